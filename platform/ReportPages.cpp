#include "platform/ReportPages.h"

namespace {

int IndexOf(const ReportLayout& layout, ReportSectionKind kind) {
    for (int i = 0; i < layout.sections.size(); ++i)
        if (layout.sections[i].kind == kind) return i;
    return -1;
}

class Paginator {
public:
    Paginator(const ReportLayout& layout, double pageHeight)
        : layout_(layout),
          pageHeight_(pageHeight),
          pageHeader_(IndexOf(layout, ReportSectionKind::PageHeader)),
          pageFooter_(IndexOf(layout, ReportSectionKind::PageFooter)) {
        StartPage(IndexOf(layout, ReportSectionKind::ReportHeader));
    }

    void Place(int section, int record = -1) {
        if (section < 0) return;
        const double height = layout_.sections[section].height;
        if (bodyPlaced_ && height > 0 && y_ + height > FooterTop()) {
            EndPage();
            StartPage(-1);
        }
        pages_.last().append({section, record, y_});
        y_ += height;
        bodyPlaced_ = true;
    }

    QList<ReportPage> Finish() {
        EndPage();
        return pages_;
    }

private:
    double FooterTop() const { return pageHeight_ - (pageFooter_ >= 0 ? layout_.sections[pageFooter_].height : 0); }

    void StartPage(int reportHeader) {
        pages_.append(ReportPage());
        y_ = 0;
        bodyPlaced_ = false;
        for (int s : {reportHeader, pageHeader_}) {
            if (s < 0) continue;
            pages_.last().append({s, -1, y_});
            y_ += layout_.sections[s].height;
        }
    }

    void EndPage() {
        if (pageFooter_ >= 0) pages_.last().append({pageFooter_, -1, FooterTop()});
    }

    const ReportLayout& layout_;
    const double pageHeight_;
    const int pageHeader_;
    const int pageFooter_;
    QList<ReportPage> pages_;
    double y_ = 0;
    bool bodyPlaced_ = false;
};

}  // namespace

QList<ReportPage> PaginateReport(const ReportLayout& layout, int recordCount, double pageHeight) {
    Paginator pages(layout, pageHeight);
    if (recordCount > 0) {
        pages.Place(IndexOf(layout, ReportSectionKind::GroupHeader), 0);
        const int detail = IndexOf(layout, ReportSectionKind::Detail);
        for (int record = 0; record < recordCount; ++record) pages.Place(detail, record);
        pages.Place(IndexOf(layout, ReportSectionKind::GroupFooter), recordCount - 1);
    }
    pages.Place(IndexOf(layout, ReportSectionKind::ReportFooter));
    return pages.Finish();
}

QString PageCaption(const QString& caption, int page, int pages) {
    QString text = caption;
    text.replace(QLatin1String("%p"), QString::number(page), Qt::CaseSensitive);
    text.replace(QLatin1String("%P"), QString::number(pages), Qt::CaseSensitive);
    return text;
}
