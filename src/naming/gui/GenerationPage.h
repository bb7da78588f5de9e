// The generation page of the main window (TabSheet1): the legal person's
// input group, the fixed characters, the name length and the suffix, the
// command column ("马上起名", "继续显示", "查看详细", "导出EXCEL"), the results
// grid RzStringGrid1 with its context menu PopupMenu1, and the floating
// shortlist box RzGroupBox10 with MemoDaixuan.
//
// The page holds the generation state of the main window and the grid's
// contents; the statement runs on the window's ADOComDS and the suffix and
// prefix lookups on its ADOTem.
#pragma once

#include <QObject>
#include <QString>
#include <QUrl>
#include <functional>

#include "naming/Generation.h"
#include "naming/GenerationRun.h"
#include "naming/ResultsGrid.h"
#include "naming/Shortlist.h"

class QAction;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPoint;
class QPushButton;
class QTableWidget;
class QWidget;

namespace quillora::gui {

class BirthInputGroup;
class TFrmIndex;

// Opens a web address in the user's browser; tests replace it.
using UrlOpener = std::function<void(const QUrl&)>;
void SetUrlOpener(UrlOpener opener);  // empty restores the default browser
// Opens an address through the opener.
void OpenUrl(const QUrl& url);

class GenerationPage : public QObject {
    Q_OBJECT
  public:
    GenerationPage(TFrmIndex& window, QWidget* page);

    // The legal person (Xing, CBsex, ComDate, SYear, SMonth, Sday, Shour, CBFen).
    BirthInputGroup* group = nullptr;
    // Fixed characters, one each; Namezhi3 and Namezhi4 follow CBZS.
    QLineEdit* Namezhi1 = nullptr;
    QLineEdit* Namezhi2 = nullptr;
    QLineEdit* Namezhi3 = nullptr;
    QLineEdit* Namezhi4 = nullptr;
    QComboBox* CBZS = nullptr;          // 二字名 / 三字名 / 四字名
    QLineEdit* NameEnd = nullptr;       // suffix
    QLineEdit* NameBegin = nullptr;     // prefix, outside the visible area
    QLineEdit* ExcludeChars = nullptr;  // 排除字: characters never drawn
    QLineEdit* PreferChars = nullptr;   // 偏好字: characters drawn and ranked first

    QPushButton* RzBitBtn5 = nullptr;  // 马上起名
    QPushButton* RzBitBtn2 = nullptr;  // 继续显示
    QPushButton* RzBitBtn4 = nullptr;  // 查看详细
    QPushButton* BtnExcel = nullptr;   // 导出EXCEL

    QTableWidget* RzStringGrid1 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* N7 = nullptr;      // 查看详细分析
    QAction* N1 = nullptr;      // 添加到已选名字
    QAction* N9 = nullptr;      // 查看已选名字
    QAction* SAC = nullptr;     // 保存已选名字
    QAction* N2 = nullptr;      // 清空已选名字
    QAction* N4 = nullptr;      // 百度查看是否有重名
    QAction* N10 = nullptr;     // 商标查询
    QAction* EXCEL1 = nullptr;  // EXCEL方式导出
    QAction* N6 = nullptr;      // 文本方式导出

    QGroupBox* RzGroupBox10 = nullptr;  // the shortlist box
    QPlainTextEdit* MemoDaixuan = nullptr;
    QPushButton* BtnCopy = nullptr;   // 复制
    QPushButton* BtnSave = nullptr;   // 保存
    QPushButton* BtnClear = nullptr;  // 清空
    QPushButton* BtnClose = nullptr;  // 关闭

    const GenerationState& State() const { return state_; }
    const ResultGrid& Grid() const { return grid_; }

    // Commands.
    void RzBitBtn5Click();  // 马上起名
    void RzBitBtn2Click();  // 继续显示
    void RzBitBtn4Click();  // 查看详细, double click, 查看详细分析
    void CBZSChange();
    void AddToShortlist();     // 添加到已选名字
    void ShowShortlist();      // 查看已选名字
    void SaveShortlistFile();  // 保存已选名字, 保存
    void ClearShortlist();     // 清空已选名字, 清空
    void CopyShortlist();      // 复制
    void CloseShortlist();     // 关闭
    void SearchWeb();          // 百度查看是否有重名
    void SearchTrademark();    // 商标查询: the office's search page, the mark copied
    void ExportExcel();        // EXCEL方式导出, 导出EXCEL
    void ExportText();         // 文本方式导出

    // Writes the headers into the grid's header row.
    void WriteGridHeader();
    // Sorts the shown rows by a column, the score highest first, any other
    // column lowest first; a second click on the same column reverses the
    // order.
    void SortByColumn(int column);

  private:
    // The constructor's parts, one per area of the page: the entries in the
    // input panel, the command column beside them, the results grid, its
    // context menu and the shortlist box over it. Each builds its controls
    // and connects their commands.
    void CreateInputs(QWidget* panel, QGridLayout* rows);
    void CreateCommandColumn(QWidget* panel, QGridLayout* rows);
    void CreateGrid(QWidget* page);
    void CreateGridMenu();
    void CreateShortlistBox();

    GenerationRequest Request() const;
    // Copies the grid's cells into the table widget.
    void RenderGrid();
    // The trimmed brand name / main name of the current grid row.
    std::string CurrentCell(int column) const;
    void ShowGridMenu(const QPoint& pos);
    // The kept shortlist: read into the memo when the page is built, written
    // whole to the user's data folder whenever the memo changes.
    void LoadKeptShortlist();
    void LoadCharacterChoice();
    void KeepShortlist();
    void KeepCharacterChoice();

    TFrmIndex& window_;
    GenerationState state_;
    ResultGrid grid_;
    std::vector<KeptName> kept_;
    bool keepFailed_ = false;  // a failed write is reported once
    int sortColumn_ = -1;
    bool sortAscending_ = true;
};

// The page object of a generation page widget (TabSheet1).
GenerationPage* GenerationPageOf(QWidget* page);

}  // namespace quillora::gui
