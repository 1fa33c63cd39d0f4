// The station's map page. The station writes map.htm from Standards.txt and leaves five values in text elements of
// the page: the POI hand-back path, the icon of a new POI, the centre "lat,lon", the zoom level and the name of the
// marker file. Text elements, because the values are taken as they are: a folder name with quotes or backslashes
// needs no escaping there.
//
// The marker file has one point a line, "lat|lon|icon|html": icon is a path relative to this folder with "\"
// between folder and file, html runs to the end of the line and breaks its lines with "<br>".
//
// A click on the map offers to mark a new POI; its name and place go to the hand-back file through the station's
// one host call, as a line "name,lat,lon" (CR LF), which the station imports.
(function () {
    'use strict';

    var page = {map: null, host: null, hostReady: false, markersShown: -1};
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

    function parseMarkers(text) {
        var points = [];
        text.split(/\r\n|\r|\n/).forEach(function (line) {
            var fields = line.split('|');
            if (fields.length < 3) return;
            var lat = parseFloat(fields[0]);
            var lon = parseFloat(fields[1]);
            if (!isFinite(lat) || !isFinite(lon)) return;
            points.push({lat: lat, lon: lon, icon: fields[2], html: fields.slice(3).join('|')});
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

    function showMarkers(text) {
        var points = parseMarkers(text);
        points.forEach(function (p) {
            L.marker([p.lat, p.lon], {icon: markerIcon(p.icon)}).bindPopup(popupContent(p.html)).addTo(page.map);
        });
        page.markersShown = points.length;
    }

    function connectHost() {
        if (typeof QWebChannel === 'undefined' || !window.qt || !qt.webChannelTransport) return;
        new QWebChannel(qt.webChannelTransport, function (channel) {
            page.host = channel.objects.station;
            page.hostReady = !!page.host;
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
        form.append(label, input, save, message);
        form.addEventListener('submit', function (event) {
            event.preventDefault();
            var name = input.value.replace(/[\r\n]+/g, ' ').trim();
            // The hand-back file separates its fields by commas, so a name cannot hold one.
            if (!name || name.indexOf(',') >= 0) {
                message.textContent = 'Enter a name without commas.';
                return;
            }
            save.disabled = true;
            handBack(name, latlng, function (error) {
                save.disabled = false;
                if (error) {
                    message.textContent = error;
                    showNote(error);
                    return;
                }
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
        popup.setLatLng(latlng).setContent(newPoiForm(latlng, popup)).openOn(page.map);
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

        page.map = L.map('map', {center: [lat, lon], zoom: zoom});
        // Links open nowhere rather than taking the station's map view away to another site.
        page.map.attributionControl.setPrefix('<a href="https://leafletjs.com" target="_blank">Leaflet</a>');
        // Tiles need the internet; without it the markers still show on an empty map.
        L.tileLayer('https://tile.openstreetmap.org/{z}/{x}/{y}.png', {
            maxZoom: 19,
            attribution: '&copy; <a href="https://www.openstreetmap.org/copyright" target="_blank">OpenStreetMap</a>' +
                ' contributors'
        }).addTo(page.map);
        page.map.on('click', askName);

        connectHost();
        readMarkerFile(pageValue('markerFile'), showMarkers);
    }

    document.addEventListener('DOMContentLoaded', showMap);
})();
