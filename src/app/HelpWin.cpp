#include "app/HelpWin.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/Chrome.h"
#include "app/CommandGuard.h"
#include "app/LegalPerson.h"
#include "app/ShowInfo.h"
#include "common/UserFiles.h"
#include "naming/Shortlist.h"

namespace quillora::gui {

QString HelpText() {
    return QStringLiteral(
               "<h3>Quillora 品牌起名 %1</h3>"
               "<p>按汉字笔画数理和企业法人的生辰八字，为公司、店铺、商标挑选名称。</p>"
               "<h4>五个页面（Ctrl+1 至 Ctrl+5 切换，回车执行本页命令）</h4>"
               "<ul>"
               "<li><b>品牌起名</b>：填写法人资料、名称字数、需固定的字和行业后缀（如珠宝），"
               "按“马上起名”得到 200 个带评分的名称；右键可把名称加入“已选名字”、导出 Excel "
               "或文本。</li>"
               "<li><b>名称分析</b>：分析一个已有的名称：八字、每个字的五行、各部分笔画数理和"
               "总体评分。</li>"
               "<li><b>八字排盘</b>：法人的四柱八字详细分析，可打印、保存。</li>"
               "<li><b>黄历查询</b>：任一天的宜忌、冲煞、胎神等，右边是名词解释。</li>"
               "<li><b>实用工具</b>：万年历和起名服务。</li>"
               "</ul>"
               "<h4>程序替您保留的资料</h4>"
               "<p>法人资料在三个页面之间共用，并记住到下次启动（%2）；已选名字连同评分、"
               "五行和对应的法人也会保留（%3）。保存的文本文件是 GBK 编码，Windows 记事本"
               "和 WPS 可直接打开。</p>"
               "<h4>数据来源与许可</h4>"
               "<ul>"
               "<li>汉字五行与笔画：开源项目 GoodGoodName 的字典数据，MIT 许可"
               "（许可全文见 refdata/char-elements.LICENSE）。</li>"
               "<li>汉字读音与字形：Unicode 汉字数据库 Unihan，Unicode 许可。</li>"
               "<li>节气时刻：用 ERFA 天文库（BSD 三条款许可）计算；农历、黄历规则由本程序"
               "自行整理，出处见 refdata 文件夹中的说明。</li>"
               "<li>程序使用 Qt 6（LGPL v3）、SQLite（公有领域）和 libxlsxwriter（BSD 许可）。"
               "</li>"
               "</ul>"
               "<p>起名和八字结果只供参考。</p>")
        .arg(QStringLiteral(QUILLORA_VERSION),
             QString::fromStdString(UserConfigFile("person.conf")).toHtmlEscaped(),
             QString::fromStdString(KeptShortlistFile()).toHtmlEscaped());
}

THelpWin::THelpWin(QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      mainWindow_(mainWindow) {
    setObjectName(QStringLiteral("FrmHelp"));
    setWindowTitle(QStringLiteral("帮助/关于"));
    setFont(ProgramFont());
    UseDialogColours(this);
    resize(560, 500);

    auto* layout = new QVBoxLayout(this);
    Text = new QTextBrowser(this);
    Text->setObjectName(QStringLiteral("HelpText"));
    Text->setOpenExternalLinks(false);
    Text->setHtml(HelpText());
    layout->addWidget(Text, 1);

    auto* buttons = new QHBoxLayout;
    BtnForget = new QPushButton(QStringLiteral("忘记法人资料"), this);
    BtnForget->setObjectName(QStringLiteral("BtnForget"));
    BtnClose = new QPushButton(QStringLiteral("关闭"), this);
    BtnClose->setObjectName(QStringLiteral("BtnClose"));
    BtnClose->setDefault(true);
    buttons->addWidget(BtnForget);
    buttons->addStretch(1);
    buttons->addWidget(BtnClose);
    layout->addLayout(buttons);

    connect(BtnClose, &QPushButton::clicked, this, &QDialog::accept);
    connect(BtnForget, &QPushButton::clicked, this, CommandSlot(this, &THelpWin::BtnForgetClick));
}

void THelpWin::BtnForgetClick() {
    if (!AskQuestion(QStringLiteral("忘记记住的法人资料？三个页面的法人资料都会清空。")))
        return;
    ForgetLegalPerson(mainWindow_);
    ShowInfoCaption(QString::fromUtf8(kNoticeCaption), QStringLiteral("法人资料已清空。"));
}

}  // namespace quillora::gui
