// The main window TFrmIndex (unit UntIndex): a borderless window with its own
// picture chrome, a toolbar of image buttons and a page area whose five pages
// hold every feature. It owns the four long-lived query objects the pages run
// their statements on.
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

#include "data/QueryObject.h"

class QKeySequence;
class QPushButton;
class QTabWidget;

namespace quillora::gui {

class ImageButton;
class TFRM_Date;
class TFrm_servers;
class THelpWin;

class TFrmIndex : public QWidget {
    Q_OBJECT
  public:
    explicit TFrmIndex(QWidget* parent = nullptr);
    ~TFrmIndex() override;

    // Brings one of the five pages to the front and marks its toolbar button.
    void ShowPage(QWidget* page);
    QWidget* CurrentPage() const;

    // Makes the button the page's command: drawn as the default button and
    // run by Enter or Return anywhere on the page outside its lists.
    void SetPageCommand(QWidget* page, QPushButton* button);

    // The shortcut of each page's toolbar button, in toolbar order
    // (Ctrl+1 … Ctrl+5), also named in the buttons' hints.
    static QKeySequence PageShortcut(int index);

    // Opens the help window (帮助/关于; the "?" of the title strip, F1).
    void ShowHelp();
    // Opens 择吉日 (the tools page) for the legal person the pages share.
    void ShowAuspicious();

    // A step run whenever the window is shown (not when it is restored from
    // the task bar).
    void AddShowStep(std::function<void()> step);

    // Window creation, run once by the constructor after the pages are built:
    // the query objects get their connection strings (nothing is opened), the
    // almanac date starts at today and the generation page comes to the front.
    void FormCreate();

    // Candidate generation and character lookups on "Parvello.dll";
    // numerology texts and the almanac entry on "Somnette.dll".
    QueryObject ADOComDS{kGenerationTimeout};
    QueryObject ADOTem{kCharLookupTimeout};
    QueryObject ADOteam{kDefaultTimeout};
    QueryObject ADOQuery1{kDefaultTimeout};

    // Today as "yyyy", "MM", "dd", written into the almanac page's selectors
    // SlYear, SlMonth and Slday.
    QString startYear;
    QString startMonth;
    QString startDay;

    QTabWidget* RzPageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr;  // generation
    QWidget* TabSheet3 = nullptr;  // name analysis
    QWidget* TabSheet2 = nullptr;  // Four Pillars
    QWidget* TabSheet5 = nullptr;  // almanac
    QWidget* TabSheet9 = nullptr;  // tools

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildChrome();
    void BuildPages();
    void BuildToolsPage();
    void FormShow();
    void CloseQueries();
    // Gives the keyboard focus to the first entry of the page (its first
    // edit or list box in the focus order), if it has one.
    void FocusFirstEntry(QWidget* page);

    void RzToolButton2Click();
    void RzToolButton1Click();
    void RzToolButton3Click();
    void RzToolButton5Click();
    void RzToolButton7Click();
    void RzToolButton11Click();
    void RzToolButton12Click();
    void RzToolButton36Click();
    void RzToolButton37Click();

    struct PageButton {
        QWidget* page;
        ImageButton* button;
    };
    std::vector<PageButton> pageButtons_;
    std::vector<std::function<void()>> showSteps_;
    QPointer<TFRM_Date> FRM_Date;
    QPointer<TFrm_servers> Frm_servers;
    QPointer<THelpWin> Frm_help;
};

}  // namespace quillora::gui
