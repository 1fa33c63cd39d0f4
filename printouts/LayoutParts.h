#pragma once
#include "platform/ReportLayout.h"

// Shorthands the four report layouts are written with. Captions are UTF-8 text; positions are twips.
namespace LayoutParts {

inline ReportFont Arial(double size, bool bold = false) { return {"Arial", size, bold}; }
inline ReportFont PMingLiU(double size) { return {"PMingLiU", size, false}; }

inline ReportControl Label(const char* name, const char* caption, double left, double top, double width, double height,
                           std::optional<ReportFont> font) {
    return {name, ReportControlKind::Label, QString::fromUtf8(caption), {}, left, top, width, height, font};
}

inline ReportControl TextBox(const char* name, const char* dataField, double left, double top, double width,
                             double height, ReportFont font) {
    return {name, ReportControlKind::TextBox, {}, dataField, left, top, width, height, font};
}

inline ReportControl Rule(const char* name, double left, double top, double width) {
    return {name, ReportControlKind::Shape, {}, {}, left, top, width, 0, std::nullopt};
}

inline ReportControl Picture(const char* name, double left, double top, double width, double height) {
    return {name, ReportControlKind::Image, {}, {}, left, top, width, height, std::nullopt};
}

inline ReportSection Section(const char* name, ReportSectionKind kind, double height,
                             QList<ReportControl> controls = {}) {
    return {name, kind, height, std::move(controls)};
}

}  // namespace LayoutParts
