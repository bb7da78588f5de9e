#include "app/ServersWin.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/Artwork.h"
#include "app/Chrome.h"

namespace quillora::gui {

namespace {

const char* const kServiceText =
    "<p style='margin:0 0 4px 0'><b style='color:#9e1419'>服务简介</b></p>"
    "<p style='margin:0 0 10px "
    "0'>起名顾问服务由专职命名顾问一对一进行。顾问结合行业特点、目标客户、"
    "法人的生辰八字与名称的笔画数理，为您拟定一组寓意吉祥、易读易记、便于注册的候选名称，"
    "并逐一说明取名依据。</p>"
    "<p style='margin:0 0 4px 0'><b style='color:#9e1419'>服务内容</b></p>"
    "<p style='margin:0 0 10px 0'>"
    "<span style='color:#c4242a'>◆</span> 公司与品牌命名：候选名称附五行与数理分析<br>"
    "<span style='color:#c4242a'>◆</span> 商标取名：结合商标类别给出注册可行性的初步建议<br>"
    "<span style='color:#c4242a'>◆</span> 店铺与产品命名：兼顾字义、读音与招牌效果<br>"
    "<span style='color:#c4242a'>◆</span> 名称诊断与改名：剖析现有名称的得失，提出改良方案</p>"
    "<p style='margin:0 0 4px 0'><b style='color:#9e1419'>服务流程</b></p>"
    "<p style='margin:0 0 10px 0'>① 提交需求 &nbsp;→&nbsp; ② 顾问沟通 &nbsp;→&nbsp; "
    "③ 方案交付 &nbsp;→&nbsp; ④ 修改定稿</p>"
    "<p style='margin:0 0 4px 0'><b style='color:#9e1419'>收费与预约</b></p>"
    "<p style='margin:0 0 10px 0'>本服务为付费服务，按方案档次收费，费用在预约沟通时由顾问说明，"
    "方案交付后可免费修改一次。预约请通过您取得本软件的渠道联系服务顾问。</p>"
    "<p style='margin:0; color:#8a7060'>说明：软件生成与顾问拟定的名称均供参考，"
    "名称能否登记或注册，以主管部门的核准为准。</p>";

}  // namespace

TFrm_servers::TFrm_servers(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("Frm_servers"));
    setWindowTitle(QStringLiteral("起名服务"));
    setFont(ProgramFont());
    UseDialogColours(this);

    auto* banner = new QLabel(this);
    banner->setObjectName(QStringLiteral("ImageBanner"));
    banner->setFixedSize(480, 76);
    banner->setPixmap(art::ServiceBanner(banner->size()));

    auto* body = new QLabel(this);
    body->setObjectName(QStringLiteral("LabelService"));
    body->setTextFormat(Qt::RichText);
    body->setWordWrap(true);
    body->setFixedWidth(448);
    body->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    body->setText(QString::fromUtf8(kServiceText));
    body->setStyleSheet(
        QStringLiteral("QLabel { background: white; color: #3c2a22; border: 1px solid #e0c58a;"
                       " border-radius: 6px; padding: 10px 14px; }"));

    auto* close = new QPushButton(QStringLiteral("我知道了"), this);
    close->setObjectName(QStringLiteral("BtnClose"));
    close->setFixedSize(100, 30);
    close->setCursor(Qt::PointingHandCursor);
    close->setDefault(true);
    close->setStyleSheet(
        QStringLiteral("QPushButton { color: #fff7e3; font-weight: bold; border: 1px solid #d9aa4f;"
                       " border-radius: 5px; background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
                       " stop:0 #c4242a, stop:1 #8a1015); }"
                       "QPushButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
                       " stop:0 #de343a, stop:1 #9e1419); border-color: #f8e09c; }"
                       "QPushButton:pressed { background: #7a0c10; }"));

    // The text sets the height: the window is as tall as its wrapped text.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 14);
    layout->setSpacing(14);
    layout->addWidget(banner);
    auto* middle = new QVBoxLayout;
    middle->setContentsMargins(16, 0, 16, 0);
    middle->addWidget(body);
    layout->addLayout(middle);
    layout->addWidget(close, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace quillora::gui
