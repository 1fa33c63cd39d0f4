#pragma once
#include <QHash>
#include <QList>
#include <QString>
#include <optional>

// A printed report's design as data: sections in print order, each holding placed controls, all sizes in twips. The
// report runtime (platform/gui/ReportRuntime) paints it; nothing here needs a window.

struct ReportFont {
    QString name;
    double size = 0;  // points
    bool bold = false;
};

enum class ReportControlKind {
    Label,    // a fixed caption; "%p" and "%P" in it become the page number and the number of pages
    TextBox,  // a field of the bound data, by field name
    Shape,    // a horizontal rule at the control's top, as long as its width
    Image,    // a picture, set by whoever shows the report
};

struct ReportControl {
    QString name;
    ReportControlKind kind = ReportControlKind::Label;
    QString caption;    // labels
    QString dataField;  // text boxes; "" for none, which shows nothing
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    std::optional<ReportFont> font;  // none: the report's default font
};

enum class ReportSectionKind { ReportHeader, PageHeader, GroupHeader, Detail, GroupFooter, PageFooter, ReportFooter };

struct ReportSection {
    QString name;
    ReportSectionKind kind = ReportSectionKind::Detail;
    double height = 0;
    QList<ReportControl> controls;
};

struct ReportLayout {
    QString name;
    double reportWidth = 0;
    double leftMargin = 500;
    double rightMargin = 500;
    double topMargin = 500;
    double bottomMargin = 500;
    ReportFont font;
    QString caption;  // of the report's window
    double windowLeft = 0;
    double windowTop = 0;
    double windowWidth = 0;
    double windowHeight = 0;
    QList<ReportSection> sections;  // in print order

    // The first section of that kind, or nullptr.
    const ReportSection* SectionOf(ReportSectionKind kind) const {
        for (const ReportSection& s : sections)
            if (s.kind == kind) return &s;
        return nullptr;
    }
    const ReportSection* Section(const QString& sectionName) const {
        for (const ReportSection& s : sections)
            if (s.name.compare(sectionName, Qt::CaseInsensitive) == 0) return &s;
        return nullptr;
    }
    const ReportControl* Control(const QString& sectionName, const QString& controlName) const {
        if (const ReportSection* s = Section(sectionName))
            for (const ReportControl& c : s->controls)
                if (c.name.compare(controlName, Qt::CaseInsensitive) == 0) return &c;
        return nullptr;
    }
};

// One record of the data a report is bound to: field name to display text. Field names are matched exactly.
using ReportRecord = QHash<QString, QString>;
