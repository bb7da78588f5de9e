// The batch analysis window (批量分析), opened from the analysis page: a list
// of names the business owner brought — pasted into the box, one a line with
// an optional suffix after a tab, or read from a text file — analysed
// against the legal person in one table (总体评分, the grids' luck, elements
// and what they supply, pinyin, appeal, the classical source, the
// registration warnings and the trade's class). The table sorts by a click
// on its header and exports as a spreadsheet or CSV text; a double click on
// a row opens the name's whole analysis.
//
// A long list is analysed a part at a time between the window's events, so
// the window keeps answering (and 停止 ends the run) while the rows arrive.
#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <memory>

#include "bazi/BirthRecord.h"
#include "data/QueryObject.h"
#include "naming/BatchAnalysis.h"

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QTimer;

namespace quillora::gui {

class BirthInputGroup;

// Asks for a file to open; returns "" when the user cancels. Tests replace
// the dialog.
using OpenFileChooser =
    std::function<QString(QWidget* parent, const QString& title, const QString& filter)>;
void SetOpenFileChooser(OpenFileChooser chooser);  // empty restores the dialog

// The most names one run of the window takes; a longer list is refused with
// a message (the command line takes any number).
inline constexpr int kBatchWindowMaxNames = 10000;

class BatchWindow : public QDialog {
    Q_OBJECT
  public:
    // The window with the legal person's entries filled in.
    explicit BatchWindow(const BirthEntries& person, QWidget* parent = nullptr);
    ~BatchWindow() override;

    BirthInputGroup* group = nullptr;     // the legal person (XingP …)
    QPlainTextEdit* MemoNames = nullptr;  // the list, one name a line
    QPushButton* BtnOpen = nullptr;       // 打开文件
    QPushButton* BtnAnalyse = nullptr;    // 分析, 停止 while a run goes on
    QPushButton* BtnExport = nullptr;     // 导出
    QPushButton* BtnTrademark = nullptr;  // 商标查询
    QPushButton* BtnClose = nullptr;      // 关闭
    QTableWidget* GridBatch = nullptr;    // the table
    QProgressBar* Progress = nullptr;     // names done of the list
    QLabel* LabelStatus = nullptr;        // what the run found

    void BtnOpenClick();
    // Starts a run, or stops the one going on.
    void BtnAnalyseClick();
    void BtnExportClick();
    void BtnTrademarkClick();
    void GridDoubleClick();
    // Sorts the rows by a column: 总体评分 and 雅名分 highest first, any other
    // column lowest first; a second click on the same column reverses it.
    void SortByColumn(int column);

    bool Running() const { return analyser_ != nullptr; }
    // The table as shown (sorted as shown, the rows analysed so far).
    const ExportTable& Table() const { return table_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void NextPart();
    void EndRun(const QString& status);
    void AppendRows(std::size_t from);
    void RenderRows();
    void ShowCounts();

    QueryObject names_;
    QueryObject readings_;
    std::unique_ptr<BatchAnalyser> analyser_;
    std::vector<BatchName> list_;  // the names of the table's rows, by 编号
    ExportTable table_;
    QTimer* timer_ = nullptr;
    int sortColumn_ = -1;
    bool sortAscending_ = true;
};

// Opens the window modally with the person's entries; returns when it has
// closed.
void ShowBatchAnalysis(const BirthEntries& person, QWidget* parent = nullptr);

}  // namespace quillora::gui
