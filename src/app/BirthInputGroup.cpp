#include "app/BirthInputGroup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include "app/ShowInfo.h"
#include "calendar/LunarCalendar.h"
#include "common/Text.h"

namespace quillora::gui {

GbkByteLimitValidator::GbkByteLimitValidator(int maxBytes, QObject* parent)
    : QValidator(parent), maxBytes_(maxBytes) {}

QValidator::State GbkByteLimitValidator::validate(QString& input, int& /*pos*/) const {
    const int bytes = GbkByteLength(input.toStdString());
    if (bytes >= 0 && bytes <= maxBytes_)
        return Acceptable;
    // The edit keeps its earlier text; say why, beside the edit.
    const QString why =
        bytes < 0 ? QStringLiteral(
                        "只能输入GBK汉字、字母和数字，其他字符（如生僻字、表情符号）无法保存。")
                  : QStringLiteral("最多输入%1个字节（%2个汉字），输入的内容太长。")
                        .arg(maxBytes_)
                        .arg(maxBytes_ / 2);
    ShowNotice(qobject_cast<QWidget*>(parent()), why);
    return Invalid;
}

namespace {

QComboBox* MakeCombo(QWidget* parent, const QString& name, bool editable, int rows, int width) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(editable);
    box->setMaxVisibleItems(rows);
    box->setFixedWidth(width);
    // Typed text is kept as typed; it never becomes a new list item.
    box->setInsertPolicy(QComboBox::NoInsert);
    return box;
}

// A box of numbers: what is typed is the value, never completed from the
// list ("201" stays 201, not 2010).
QComboBox* MakeNumberBox(QWidget* parent, const QString& name, int rows, int width, int from,
                         int to) {
    QComboBox* box = MakeCombo(parent, name, true, rows, width);
    box->setCompleter(nullptr);
    for (int i = from; i <= to; ++i)
        box->addItem(QString::number(i));
    return box;
}

QLabel* MakeLabel(QWidget* parent, const char* text) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    return label;
}

// The edit of a name part: at most 20 GBK bytes, only characters GBK can
// write.
QLineEdit* MakeNameEdit(QWidget* parent, const QString& name, int width) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setFixedWidth(width);
    edit->setValidator(new GbkByteLimitValidator(BirthInputGroup::kNameBytes, edit));
    return edit;
}

}  // namespace

BirthInputGroup::BirthInputGroup(const Options& options, QWidget* parent)
    : QWidget(parent), options_(options) {
    setObjectName(QStringLiteral("BirthInputGroup") + options.suffix);
    const QString& s = options.suffix;

    // With a caption the entries stand in a panel; without, directly here.
    QWidget* host = this;
    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    if (!options.panelCaption.isEmpty()) {
        auto* panel = new QGroupBox(options.panelCaption, this);
        panel->setObjectName(QStringLiteral("BirthPanel") + s);
        outer->addWidget(panel);
        host = panel;
    }
    // Without a panel the entries go straight into this widget's own layout;
    // a widget takes one layout only.
    QHBoxLayout* row = host == this ? outer : new QHBoxLayout(host);
    row->setContentsMargins(host == this ? 0 : 8, host == this ? 0 : 4, host == this ? 0 : 8,
                            host == this ? 0 : 4);
    row->setSpacing(3);

    // The width of an entry, normal or compact.
    const auto w = [&](int normal, int compact) { return options.compact ? compact : normal; };

    if (options.splitName) {
        row->addWidget(MakeLabel(host, "姓"));
        Xing = MakeNameEdit(host, QStringLiteral("Xing") + s, 60);
        row->addWidget(Xing);
        row->addWidget(MakeLabel(host, "名"));
        NameB = MakeNameEdit(host, QStringLiteral("NameB") + s, 70);
        row->addWidget(NameB);
    } else {
        row->addWidget(MakeLabel(host, "姓名"));
        Xing = MakeNameEdit(host, QStringLiteral("Xing") + s, w(90, 64));
        row->addWidget(Xing);
    }
    row->addSpacing(4);

    row->addWidget(MakeLabel(host, "姓别"));
    CBsex = MakeCombo(host, QStringLiteral("CBsex") + s, options.editableLists, 10, w(48, 44));
    for (const char* item : SexItems)
        CBsex->addItem(QString::fromUtf8(item));
    row->addWidget(CBsex);

    ComDate = MakeCombo(host, QStringLiteral("ComDate") + s, options.editableLists, 10, w(60, 54));
    for (const char* item : CalendarItems)
        ComDate->addItem(QString::fromUtf8(item));
    row->addWidget(ComDate);

    SYear = MakeNumberBox(host, QStringLiteral("SYear") + s, 30, w(62, 54), 1900, 2019);
    row->addWidget(SYear);
    row->addWidget(MakeLabel(host, "年"));

    SMonth = MakeNumberBox(host, QStringLiteral("SMonth") + s, 12, w(46, 40), 1, 12);
    row->addWidget(SMonth);
    row->addWidget(MakeLabel(host, "月"));
    // "闰" after "月": the month is the year's leap month of that number.
    ChkLeap = new QCheckBox(QString::fromUtf8("闰"), host);
    ChkLeap->setObjectName(QStringLiteral("ChkLeap") + s);
    ChkLeap->setToolTip(QString::fromUtf8("闰月：农历该年闰这个月时可选"));
    row->addWidget(ChkLeap);

    Sday = MakeNumberBox(host, QStringLiteral("Sday") + s, 31, w(46, 40), 1, 31);
    row->addWidget(Sday);
    row->addWidget(MakeLabel(host, "日"));

    Shour = MakeCombo(host, QStringLiteral("Shour") + s, options.editableLists, 24, w(66, 60));
    for (const char* item : HourItems)
        Shour->addItem(QString::fromUtf8(item));
    row->addWidget(Shour);
    row->addWidget(MakeLabel(host, "时"));

    CBFen = MakeNumberBox(host, QStringLiteral("CBFen") + s, 30, w(46, 40), 0, 59);
    row->addWidget(CBFen);
    row->addWidget(MakeLabel(host, "分"));
    row->addStretch(1);

    for (QComboBox* box : {ComDate, SYear, SMonth})
        connect(box, &QComboBox::currentTextChanged, this, &BirthInputGroup::UpdateLeap);
    Reset();
    ConnectEdits();
}

void BirthInputGroup::UpdateLeap() {
    int year = 0;
    int month = 0;
    const bool lunar = ComDate->currentText() == QString::fromUtf8(CalendarItems[1]);
    const bool leap = lunar && TryParseInt(Trim(SYear->currentText().toStdString()), year) &&
                      TryParseInt(Trim(SMonth->currentText().toStdString()), month) && month > 0 &&
                      LeapMonthOf(year) == month;
    if (!leap)
        ChkLeap->setChecked(false);
    ChkLeap->setEnabled(leap);
}

void BirthInputGroup::Reset() {
    filling_ = true;
    Xing->clear();
    if (NameB != nullptr)
        NameB->clear();
    CBsex->setCurrentIndex(0);    // 男
    ComDate->setCurrentIndex(0);  // 公历
    SYear->setCurrentIndex(SYear->findText(QStringLiteral("1980")));
    SMonth->setCurrentIndex(0);  // 1
    Sday->setCurrentIndex(0);    // 1
    Shour->setCurrentIndex(0);   // 子 0
    CBFen->setCurrentIndex(0);   // 0
    ChkLeap->setChecked(false);
    UpdateLeap();
    dateGiven_ = false;
    filling_ = false;
}

BirthEntries BirthInputGroup::Entries() const {
    BirthEntries e;
    e.name = Xing->text().toStdString();
    if (NameB != nullptr)
        e.givenName = NameB->text().toStdString();
    e.sex = CBsex->currentText().toStdString();
    // An editable calendar entry is read by its text: typed text that matches
    // no item selects none, which is not the first item either.
    if (ComDate->isEditable()) {
        const int match = ComDate->findText(ComDate->currentText(), Qt::MatchExactly);
        e.calendarIndex = match;
    } else {
        e.calendarIndex = ComDate->currentIndex();
    }
    e.year = SYear->currentText().toStdString();
    e.month = SMonth->currentText().toStdString();
    e.day = Sday->currentText().toStdString();
    e.hour = Shour->currentText().toStdString();
    e.minute = CBFen->currentText().toStdString();
    e.leapMonth = ChkLeap->isEnabled() && ChkLeap->isChecked();
    return e;
}

void BirthInputGroup::FocusOn(BirthField field) {
    QWidget* const entries[] = {nullptr, Xing, SYear, SMonth, Sday, Shour, CBFen};
    if (QWidget* entry = entries[static_cast<int>(field)])
        entry->setFocus();
}

void BirthInputGroup::SetEntries(const BirthEntries& person, bool dateGiven) {
    filling_ = true;
    dateGiven_ = dateGiven;
    const QString name = QString::fromStdString(person.name);
    const QString given = QString::fromStdString(person.givenName);
    if (NameB == nullptr) {
        Xing->setText(name + given);
    } else if (!given.isEmpty() || name.isEmpty()) {
        Xing->setText(name);
        NameB->setText(given);
    } else {
        // One character, or a surrogate pair, for the surname.
        const int first = name.at(0).isHighSurrogate() && name.size() > 1 ? 2 : 1;
        Xing->setText(name.left(first));
        NameB->setText(name.mid(first));
    }
    CBsex->setCurrentText(QString::fromStdString(person.sex));
    if (person.calendarIndex >= 0 && person.calendarIndex < ComDate->count())
        ComDate->setCurrentIndex(person.calendarIndex);
    const std::pair<QComboBox*, const std::string*> texts[] = {{SYear, &person.year},
                                                               {SMonth, &person.month},
                                                               {Sday, &person.day},
                                                               {Shour, &person.hour},
                                                               {CBFen, &person.minute}};
    for (const auto& [box, text] : texts) {
        const QString value = QString::fromStdString(*text);
        const int index = box->findText(value, Qt::MatchExactly);
        if (index >= 0)
            box->setCurrentIndex(index);
        else if (box->isEditable())
            box->setCurrentText(value);
    }
    UpdateLeap();
    if (ChkLeap->isEnabled())
        ChkLeap->setChecked(person.leapMonth);
    filling_ = false;
}

bool BirthInputGroup::CheckDateGiven() {
    if (dateGiven_)
        return true;
    ShowInfo(QString::fromUtf8(kBirthDateNotGiven));
    FocusOn(BirthField::Year);
    return false;
}

void BirthInputGroup::ConnectEdits() {
    const auto edited = [this] {
        if (!filling_)
            emit Edited();
    };
    const auto dateEdited = [this] {
        if (filling_)
            return;
        dateGiven_ = true;
        emit Edited();
    };
    for (QLineEdit* edit : {Xing, NameB}) {
        if (edit != nullptr)
            connect(edit, &QLineEdit::textEdited, this, edited);
    }
    for (QComboBox* box : {CBsex, ComDate, Shour, CBFen})
        connect(box, &QComboBox::currentTextChanged, this, edited);
    // Choosing the item already shown changes no text but enters the date.
    for (QComboBox* box : {SYear, SMonth, Sday}) {
        connect(box, &QComboBox::currentTextChanged, this, dateEdited);
        connect(box, &QComboBox::activated, this, dateEdited);
    }
    connect(ChkLeap, &QCheckBox::toggled, this, edited);
}

}  // namespace quillora::gui
