// The station's map page. The station writes map.htm from Standards.txt and leaves five values in text elements of
// the page: the POI hand-back path, the icon of a new POI, the centre "lat,lon", the zoom level and the name of the
// marker file. Text elements, because the values are taken as they are: a folder name with quotes or backslashes
// needs no escaping there.
//
// The marker file has one point a line, "lat|lon|icon|html": icon is a path relative to this folder with "\"
// between folder and file, html runs to the end of the line and breaks its lines with "<br>".
//
// Every point is drawn as its icon, and a click on an icon shows its html in a popup. Once all are drawn, the page
// tells the station through the channel object "report".
//
// A click on the map beside the icons offers to mark a new POI; its name and place go to the hand-back file through
// the station's one host call, as a line "name,lat,lon" (CR LF), which the station imports. The import skips a name
// that the POI table already holds, and stores none past what the station's POI lists hold, so the page refuses
// such a POI at once: the POI lines of the marker file (icon "House\...") are every POI of those lists, with its
// name in field 4.
//
// The station shows a new page for every position, in a second view that replaces this one once it has drawn. What
// the user does here must not go with it, so the page tells the station through "report": while a new POI's form is
// open or the map is dragged, this page stays on show; the point whose popup is open, for the next page to open it
// again; and a zoom the user makes, which becomes the station's zoom level.
(function () {
    'use strict';

    var page = {map: null, icons: null, host: null, report: null, hostReady: false, markersShown: -1, points: [],
        drawn: false, storedNames: new Set(), listed: 0, zoom: null, form: null, dragging: false, held: false};

    // What the station's POI lists hold at most.
    var POI_LIST_LIMIT = 32767;
    window.stationMap = page;

    function pageValue(id) {
        var element = document.getElementById(id);
        return element ? element.textContent : '';
    }

    function showNote(text) {
        document.getElementById('note').textContent = text;
    }

    function markerIcon(path) {
        return L.icon({
            iconUrl: path.replace(/\\/g, '/'),
            iconSize: [32, 32],
            iconAnchor: [16, 16],
            popupAnchor: [0, -14]
        });
    }

    // Only the "<br>" breaks are taken as markup; the rest is shown as text with its entities decoded. Names come from
    // POI files of any origin, and this page may read local files: it must not run what a name holds.
    function popupContent(html) {
        var box = document.createElement('div');
        html.split(/<br\s*\/?>/i).forEach(function (part, i) {
            if (i > 0) box.appendChild(document.createElement('br'));
            var decoder = document.createElement('textarea');
            decoder.innerHTML = part;
            box.appendChild(document.createTextNode(decoder.value));
        });
        return box;
    }

    // The points of the marker file; onIcon(path) as each icon is met first, so that it loads while the rest is read.
    function parseMarkers(text, onIcon) {
        var points = [], icons = {};
        text.split(/\r\n|\r|\n/).forEach(function (line) {
            var fields = line.split('|');
            if (fields.length < 3) return;
            var lat = parseFloat(fields[0]);
            var lon = parseFloat(fields[1]);
            if (!isFinite(lat) || !isFinite(lon)) return;
            if (!icons[fields[2]]) {
                icons[fields[2]] = true;
                onIcon(fields[2]);
            }
            points.push({
                lat: lat, lon: lon, latlng: L.latLng(lat, lon), icon: fields[2], html: fields.slice(3).join('|')
            });
        });
        return points;
    }

    // fetch() refuses file: URLs; XMLHttpRequest reads them when the browser lets local pages read local files.
    function readMarkerFile(name, done) {
        var request = new XMLHttpRequest();
        request.open('GET', name);
        request.overrideMimeType('text/plain; charset=utf-8');
        request.onload = function () { done(request.responseText || ''); };
        request.onerror = function () {
            showNote('The marker file ' + name + ' cannot be read.');
            done('');
        };
        request.send();
    }

    // An icon at the markers' size, 32 by 32 pixels times the screen's pixel ratio m: its pixels as 32-bit words of
    // the canvas's RGBA bytes, and the places of those that show; null where the browser does not let the page read
    // them.
    function iconPixels(image, m) {
        var size = 32 * m, canvas = document.createElement('canvas');
        canvas.width = size;
        canvas.height = size;
        var ctx = canvas.getContext('2d');
        ctx.drawImage(image, 0, 0, size, size);
        var pixels;
        try {
            pixels = new Uint32Array(ctx.getImageData(0, 0, size, size).data.buffer);
        } catch (e) {
            return null;
        }
        var shown = [];
        for (var n = 0; n < pixels.length; n++) {
            if (pixels[n] >>> 24) shown.push(n);
        }
        return {size: size, pixels: pixels, shown: Int32Array.from(shown)};
    }

    // Pixel p laid over pixel q, as a canvas draws a partly transparent pixel (unpremultiplied RGBA words).
    function over(p, q) {
        var a = (p >>> 24) / 255, b = (q >>> 24) / 255 * (1 - a), out = a + b;
        var channel = function (shift) {
            return Math.round((((p >>> shift) & 255) * a + ((q >>> shift) & 255) * b) / out) << shift;
        };
        return ((Math.round(out * 255) << 24) | channel(16) | channel(8) | channel(0)) >>> 0;
    }

    // Lays an icon over a picture of width by height pixels, its top left corner at left, top; false when it lies
    // beside the picture.
    function putIcon(picture, width, height, icon, left, top) {
        var size = icon.size, pixels = icon.pixels, shown = icon.shown;
        if (left <= -size || top <= -size || left >= width || top >= height) return false;
        for (var k = 0; k < shown.length; k++) {
            var n = shown[k], y = (n / size) | 0, x = left + n - y * size;
            y += top;
            if (x < 0 || x >= width || y < 0 || y >= height) continue;
            var p = pixels[n], at = y * width + x;
            picture[at] = p >>> 24 === 255 ? p : over(p, picture[at]);
        }
        return true;
    }

    // Every point of the marker file is drawn on one canvas: tens of thousands of icons as page elements take the
    // browser close to a minute to lay out. The icons stack as the map's own markers would, one further south over
    // one further north and a later line over an earlier one, and a click on an icon opens its popup as a marker's
    // click would. The canvas goes on the map before the marker file is in: making it ready to draw takes the
    // browser a while, which it then spends while the file is read.
    //
    // The icons are laid into one picture here, which the canvas takes in one call. Where the browser rasterises
    // its canvas in software, every icon drawn through the canvas (an image, or a square filled with it as a
    // pattern) costs 50 microseconds or more, paid while drawing or put off until the frame is shown: a whole trail
    // in view took two seconds to reach the screen.
    var IconCanvas = L.Renderer.extend({
        initialize: function () {
            L.Renderer.prototype.initialize.call(this, {padding: 0.1});
            this._points = [];
            this._images = {};  // one image per icon path, loaded once
            this._pixels = {};  // the loaded ones, as they are painted
            this._scale = L.Browser.retina ? 2 : 1;  // canvas pixels to a map pixel
            this._waiting = 0;
            this._projectedZoom = null;  // the renderer keeps its own _zoom
        },

        // Starts loading an icon, a path relative to this folder with "\" between folder and file.
        loadIcon: function (path) {
            if (this._images[path]) return;
            var self = this, image = new Image();
            this._waiting++;
            image.onload = function () {
                self._pixels[path] = iconPixels(image, self._scale);
                image.onerror();
            };
            image.onerror = function () {
                // Drawn once all are in: drawing again for every icon only holds the others up.
                if (--self._waiting === 0) self._redrawSoon();
            };
            image.src = path.replace(/\\/g, '/');
            this._images[path] = image;
        },

        // Draws these points; done() once every icon is loaded, or has failed to load, and drawn.
        show: function (points, done) {
            var self = this;
            this._points = points;
            this._projectedZoom = null;
            this._done = done;
            points.forEach(function (p) { self.loadIcon(p.icon); });
            this._redrawSoon();
        },

        _initContainer: function () {
            this._container = document.createElement('canvas');
            this._container.style.pointerEvents = 'none';  // clicks reach the map, which looks for the icon
            this._ctx = this._container.getContext('2d');
        },

        _destroyContainer: function () {
            L.DomUtil.remove(this._container);
            delete this._ctx;
            delete this._container;
        },

        // Leaflet's canvas renderer does the same: a canvas a little larger than the view, moved with the map.
        _update: function () {
            if (this._map._animatingZoom && this._bounds) return;
            L.Renderer.prototype._update.call(this);
            var b = this._bounds, size = b.getSize(), m = this._scale, canvas = this._container;
            L.DomUtil.setPosition(canvas, b.min);
            canvas.width = m * size.x;
            canvas.height = m * size.y;
            canvas.style.width = size.x + 'px';
            canvas.style.height = size.y + 'px';
            this._draw();
        },

        _redrawSoon: function () {
            if (this._redrawRequest || !this._map) return;
            var self = this;
            this._redrawRequest = L.Util.requestAnimFrame(function () {
                self._redrawRequest = null;
                if (self._map && self._bounds) self._draw();
            });
        },

        // Pixel places at the present zoom, and the order the icons stack in, worked out once per zoom level.
        _project: function () {
            var zoom = this._map.getZoom();
            if (zoom === this._projectedZoom) return;
            this._projectedZoom = zoom;
            var n = this._points.length, x = new Float64Array(n), y = new Float64Array(n), order = new Array(n);
            for (var i = 0; i < n; i++) {
                var p = this._map.project(this._points[i].latlng, zoom);
                x[i] = Math.round(p.x);
                y[i] = Math.round(p.y);
                order[i] = i;
            }
            order.sort(function (a, b) { return y[a] - y[b] || a - b; });
            this._x = x;
            this._y = y;
            this._order = order;
        },

        // The whole canvas anew: every loaded icon centred on its point, in stacking order. Only the part that the
        // icons cover is handed to the canvas, which for the live position is a small one.
        _draw: function () {
            this._project();
            var canvas = this._container, width = canvas.width, height = canvas.height, m = this._scale;
            var picture = this._ctx.createImageData(width, height), pixels = new Uint32Array(picture.data.buffer);
            var corner = this._map.getPixelOrigin().add(this._bounds.min);  // the canvas's, in projected pixels
            var x0 = width, y0 = height, x1 = 0, y1 = 0;  // what the icons cover
            for (var k = 0; k < this._order.length; k++) {
                var i = this._order[k], icon = this._pixels[this._points[i].icon];
                if (!icon) continue;
                var left = m * (this._x[i] - corner.x - 16), top = m * (this._y[i] - corner.y - 16);
                if (!putIcon(pixels, width, height, icon, left, top)) continue;
                x0 = Math.min(x0, left);
                y0 = Math.min(y0, top);
                x1 = Math.max(x1, left + icon.size);
                y1 = Math.max(y1, top + icon.size);
            }
            this._ctx.clearRect(0, 0, width, height);
            if (x0 < x1) this._ctx.putImageData(picture, 0, 0, x0, y0, x1 - x0, y1 - y0);
            if (this._waiting === 0 && this._done) {
                var done = this._done;
                this._done = null;
                done();
            }
        },

        // The point whose icon lies on top at a place of the map, or -1.
        iconAt: function (latlng) {
            if (!this._map) return -1;
            this._project();
            var p = this._map.project(latlng, this._projectedZoom);
            for (var k = this._order.length - 1; k >= 0; k--) {
                var i = this._order[k], dx = p.x - this._x[i], dy = p.y - this._y[i];
                if (dx >= -16 && dx < 16 && dy >= -16 && dy < 16) return i;  // as the marker's 32 by 32 image
            }
            return -1;
        }
    });

    function reportDrawn() {
        if (page.drawn && page.report) page.report.drawn(page.points.length);
    }

    // The station swaps this page in once its view shows this mark: the report of the drawing takes another road
    // than the picture and may overtake it, but the mark is drawn in the frame of the icons. Its blue, given in the
    // address ("?1" to "?32", by turns, so that pages that follow each other in one view differ), is a shade off the
    // map's grey.
    function showDrawnMark() {
        var mark = document.createElement('div');
        var blue = 221 + (parseInt(location.search.slice(1), 10) || 0);
        mark.style.cssText = 'position:absolute;left:0;top:0;width:1px;height:1px;z-index:2000;pointer-events:none;' +
            'background:rgb(221,221,' + blue + ')';
        document.body.appendChild(mark);
    }

    // Told once the event is over: a click that closes one form and opens another lets nothing go in between.
    function tellHeld() {
        setTimeout(function () {
            var held = !!page.form || page.dragging;
            if (held === page.held) return;
            page.held = held;
            if (page.report) page.report.held(held);
        }, 0);
    }

    function tellPopup(p) {
        if (!page.report) return;
        if (p) page.report.popup(true, p.lat, p.lon, isVehicle(p));
        else page.report.popup(false, 0, 0, false);
    }

    // The vehicle's icons are "C-rv\..." (live) and "C-Rv\..." (the selected position of a trail).
    function isVehicle(p) {
        return p.icon.toLowerCase().indexOf('c-rv\\') === 0;
    }

    function openPointPopup(i) {
        var p = page.points[i];
        // As a marker's popup: above the icon, and left open by clicks on the map until it is closed.
        var popup = L.popup({offset: [0, -7], closeOnClick: false}).setLatLng(p.latlng).setContent(popupContent(p.html));
        popup.on('remove', function () {
            if (page.popup === popup) tellPopup(null);
        });
        page.popup = popup;
        page.popupPoint = i;
        popup.openOn(page.map);
        tellPopup(p);
    }

    // The station asks the next page to open the popup that was open on the page before: on the point at the same
    // place, or on the vehicle wherever it has moved.
    page.openPopupAt = function (lat, lon, vehicle) {
        var i = page.points.findIndex(function (p) { return p.lat === lat && p.lon === lon && isVehicle(p) === vehicle; });
        if (i < 0 && vehicle) i = page.points.findIndex(isVehicle);
        if (i >= 0) openPointPopup(i);
    };

    // A click on an icon opens its popup, or closes it when it is open; a click beside every icon closes it and
    // offers to mark a new POI there.
    function onMapClick(event) {
        var i = page.icons.iconAt(event.latlng);
        var open = page.popup && page.map.hasLayer(page.popup);
        if (i >= 0 && open && page.popupPoint === i) {
            page.map.closePopup(page.popup);
            return;
        }
        if (open) page.map.closePopup(page.popup);
        if (i < 0) {
            askName(event);
            return;
        }
        openPointPopup(i);
    }

    function onMapMouseMove(event) {
        page.map.getContainer().style.cursor = page.icons.iconAt(event.latlng) >= 0 ? 'pointer' : '';
    }

    // A name as the POI table compares it: as the text stands in the marker file, entities and all, with the letters
    // A to Z taken as a to z, as the table's column compares (other letters keep their case there).
    function nameKey(name) {
        return name.replace(/[A-Z]/g, function (c) { return c.toLowerCase(); });
    }

    // The drawing is reported with the second frame after it, by when the frame that shows it has been made: the
    // station puts this page on show when the report comes, and the canvas is filled some time before its picture
    // reaches the view.
    function showMarkers(text, then) {
        var points = parseMarkers(text, function (icon) { page.icons.loadIcon(icon); });
        page.points = points;
        page.markersShown = points.length;
        points.forEach(function (p) {
            if (p.icon.indexOf('House\\') !== 0) return;
            page.storedNames.add(nameKey(p.html));
            page.listed++;
        });
        page.icons.show(points, function () {
            showDrawnMark();
            L.Util.requestAnimFrame(function () {
                L.Util.requestAnimFrame(function () {
                    page.drawn = true;
                    reportDrawn();
                    then();
                });
            });
        });
    }

    function connectHost() {
        if (typeof QWebChannel === 'undefined' || !window.qt || !qt.webChannelTransport) return;
        new QWebChannel(qt.webChannelTransport, function (channel) {
            page.host = channel.objects.station;
            page.report = channel.objects.report || null;
            page.hostReady = !!page.host;
            reportDrawn();
        });
    }

    // Six decimals, about 0.1 m, and never an exponent, so the station reads the number back.
    function degreesText(value) {
        return String(Math.round(value * 1e6) / 1e6);
    }

    // Writes one POI to the hand-back file; done(error) gets "" when it was written.
    function handBack(name, latlng, done) {
        if (!page.host) {
            done('The station cannot be reached from this page.');
            return;
        }
        var line = name + ',' + degreesText(latlng.lat) + ',' + degreesText(latlng.lng) + '\r\n';
        page.host.writeHandBack(pageValue('handBackPath'), line, function (error) { done(error || ''); });
    }

    // As handBack, but refused when the station's POI lists are full: the POIs they hold, and those handed back and
    // not imported yet, this page's among them.
    function handBackWithin(name, latlng, done) {
        if (!page.host) {
            handBack(name, latlng, done);
            return;
        }
        page.host.waitingHandBacks(function (waiting) {
            if (page.listed + waiting >= POI_LIST_LIMIT) {
                done('The POI list holds at most ' + POI_LIST_LIMIT + ' POIs, so "' + name + '" cannot be stored. ' +
                    'Delete POIs in the editor to make room.');
                return;
            }
            handBack(name, latlng, done);
        });
    }

    function newPoiForm(latlng, popup) {
        var form = document.createElement('form');
        form.className = 'new-poi';
        var label = document.createElement('div');
        label.textContent = 'New point of interest:';
        var input = document.createElement('input');
        input.type = 'text';
        input.maxLength = 50;
        var save = document.createElement('button');
        save.type = 'submit';
        save.textContent = 'Save';
        var message = document.createElement('div');
        var follow = document.createElement('div');
        follow.className = 'follow';
        follow.textContent = 'The map follows the vehicle again once this is saved or closed.';
        form.append(label, input, save, follow, message);
        form.addEventListener('submit', function (event) {
            event.preventDefault();
            var name = input.value.replace(/[\r\n]+/g, ' ').trim();
            // The hand-back file separates its fields by commas, so a name cannot hold one.
            if (!name || name.indexOf(',') >= 0) {
                message.textContent = 'Enter a name without commas.';
                return;
            }
            // The import would skip it, and a house drawn now would vanish with the next drawing.
            if (page.storedNames.has(nameKey(name))) {
                message.textContent = 'A point of interest named "' + name + '" is already stored.';
                return;
            }
            save.disabled = true;
            handBackWithin(name, latlng, function (error) {
                save.disabled = false;
                if (error) {
                    message.textContent = error;
                    showNote(error);
                    return;
                }
                page.storedNames.add(nameKey(name));  // the import takes only the first of two under one name
                page.map.closePopup(popup);
                L.marker(latlng, {icon: markerIcon(pageValue('newPoiIcon'))})
                    .bindPopup(popupContent(name))
                    .addTo(page.map);
            });
        });
        return form;
    }

    function askName(event) {
        var latlng = event.latlng.wrap();
        var popup = L.popup();
        popup.on('remove', function () {
            if (page.form !== popup) return;
            page.form = null;
            tellHeld();
        });
        popup.setLatLng(latlng).setContent(newPoiForm(latlng, popup));
        page.form = popup;
        popup.openOn(page.map);
        tellHeld();
        var input = popup.getElement() && popup.getElement().querySelector('input');
        if (input) input.focus();
    }

    function showMap() {
        if (typeof L === 'undefined') {
            showNote('The map library is missing from the folder carimage/leaflet.');
            return;
        }
        var centre = pageValue('centre').split(',');
        var lat = parseFloat(centre[0]) || 0;
        var lon = parseFloat(centre[1]) || 0;
        var zoom = parseInt(pageValue('zoom'), 10);
        if (!(zoom >= 0 && zoom <= 19)) zoom = 15;

        // The station's zoom levels, 4 to 18: a zoom made here becomes the station's own.
        page.map = L.map('map', {center: [lat, lon], zoom: Math.min(Math.max(zoom, 4), 18), minZoom: 4, maxZoom: 18});
        page.zoom = page.map.getZoom();
        page.map.on('zoomend', function () {
            var z = page.map.getZoom();
            if (z === page.zoom) return;
            page.zoom = z;
            if (page.report) page.report.zoomed(z);
        });
        page.map.on('dragstart', function () {
            page.dragging = true;
            tellHeld();
        });
        page.map.on('dragend', function () {
            page.dragging = false;
            tellHeld();
        });
        // Links open nowhere rather than taking the station's map view away to another site.
        page.map.attributionControl.setPrefix('<a href="https://leafletjs.com" target="_blank">Leaflet</a>');
        page.map.on('click', onMapClick);
        page.map.on('mousemove', onMapMouseMove);

        connectHost();
        // The tiles are asked for once the icons are drawn: where the internet is slow or out of reach, tile
        // requests hold the station's own files up.
        readMarkerFile(pageValue('markerFile'), function (text) { showMarkers(text, showTiles); });
        page.icons = new IconCanvas().addTo(page.map);
    }

    // Tiles need the internet; without it the points still show on an empty map.
    function showTiles() {
        L.tileLayer('https://tile.openstreetmap.org/{z}/{x}/{y}.png', {
            maxZoom: 19,
            attribution: '&copy; <a href="https://www.openstreetmap.org/copyright" target="_blank">OpenStreetMap</a>' +
                ' contributors'
        }).addTo(page.map);
    }

    document.addEventListener('DOMContentLoaded', showMap);
})();
