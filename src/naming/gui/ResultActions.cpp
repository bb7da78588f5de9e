#include "naming/gui/ResultActions.h"

#include <algorithm>

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QTableWidget>
#include <QUrl>

#include "app/MemoFile.h"
#include "app/ShowInfo.h"
#include "common/TextFile.h"
#include "naming/Export.h"
#include "naming/Registration.h"
#include "naming/gui/GenerationPage.h"

namespace quillora::gui {

QString ResultTableStyle() {
    return QStringLiteral(
        "QTableWidget { gridline-color: #e4d6c3; alternate-background-color: #fbf6ee; "
        "selection-background-color: #9c1c1c; selection-color: white; }"
        "QHeaderView::section { background: #f3e6d3; color: #5a1414; border: none; "
        "border-right: 1px solid #e0cdb4; border-bottom: 1px solid #d8c0a0; padding: 0 2px; }"
        // The sort arrow gets a place of its own at the right of the caption.
        "QHeaderView::section:hover { background: #f7ecdc; }"
        "QHeaderView::down-arrow, QHeaderView::up-arrow { subcontrol-origin: padding; "
        "subcontrol-position: center right; width: 7px; height: 5px; right: 1px; }");
}

QTableWidget* MakeResultTable(QWidget* parent, const QString& name,
                              const std::vector<std::string>& headers,
                              const std::vector<int>& widths) {
    constexpr int kRowHeight = 18;
    auto* table = new QTableWidget(0, static_cast<int>(headers.size()), parent);
    table->setObjectName(name);
    QHeaderView* rows = table->verticalHeader();
    rows->setVisible(false);
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setMinimumSectionSize(kRowHeight);
    rows->setDefaultSectionSize(kRowHeight);
    QHeaderView* header = table->horizontalHeader();
    header->setFixedHeight(kRowHeight + 4);
    header->setHighlightSections(false);
    header->setSectionsClickable(true);
    for (std::size_t c = 0; c < headers.size(); ++c) {
        table->setHorizontalHeaderItem(static_cast<int>(c),
                                       new QTableWidgetItem(QString::fromStdString(headers[c])));
        if (c < widths.size())
            table->setColumnWidth(static_cast<int>(c), widths[c]);
    }
    header->setStretchLastSection(true);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setAlternatingRowColors(true);
    table->setWordWrap(false);
    table->setTabKeyNavigation(false);
    table->setStyleSheet(ResultTableStyle());
    return table;
}

void SetResultRow(QTableWidget* table, int row, const std::vector<std::string>& cells,
                  const std::vector<bool>& numeric, const std::vector<int>& tipped) {
    for (int c = 0; c < static_cast<int>(cells.size()) && c < table->columnCount(); ++c) {
        QTableWidgetItem* item = table->item(row, c);
        if (item == nullptr) {
            item = new QTableWidgetItem;
            const bool number = c < static_cast<int>(numeric.size()) && numeric[c];
            item->setTextAlignment(number ? Qt::Alignment(Qt::AlignCenter)
                                          : Qt::AlignLeft | Qt::AlignVCenter);
            table->setItem(row, c, item);
        }
        item->setText(QString::fromStdString(cells[c]));
        if (std::find(tipped.begin(), tipped.end(), c) != tipped.end())
            item->setToolTip(item->text());
    }
}

std::string ChooseExportFile(QWidget* parent, const char* proposal, const char* filter,
                             const char* extension) {
    const QString chosen = ChooseSaveFile(parent, QString::fromUtf8(kSaveTitle),
                                          QString::fromUtf8(proposal), QString::fromUtf8(filter));
    if (chosen.isEmpty())
        return {};
    return WithDefaultExtension(chosen.toStdString(), extension);
}

std::string ExportTableFile(QWidget* parent, const ExportTable& table, const char* proposal) {
    if (table.rows.empty())
        return {};
    QString chosen =
        ChooseSaveFile(parent, QString::fromUtf8(kSaveTitle), QString::fromUtf8(proposal),
                       QString::fromUtf8(kTableFileFilter));
    if (chosen.isEmpty())
        return {};
    const bool csv = chosen.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive);
    if (!csv && !chosen.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive))
        chosen += QStringLiteral(".xlsx");
    const std::string path = chosen.toStdString();
    try {
        if (csv)
            ExportCsv(path, table);
        else
            ExportXlsx(path, table);
    } catch (const FileWriteError& e) {
        ShowInfo(QString::fromUtf8(e.what()));
        return {};
    }
    NoteSavedFile(parent, chosen);
    return path;
}

void OpenTrademarkSearch(QWidget* anchor, const QString& mark) {
    if (!mark.isEmpty()) {
        QApplication::clipboard()->setText(mark);
        ShowNotice(anchor, QStringLiteral("已复制“%1”，可在商标查询页粘贴").arg(mark));
    }
    OpenUrl(QUrl(QString::fromUtf8(kTrademarkSearchAddress)));
}

}  // namespace quillora::gui
