// SPDX-License-Identifier: GPL-3.0-or-later
#include "kelvastro.h"

#include "appinfo.h"
#include "formbutton.h"
#include "formdesign.h"
#include "formsservices.h"
#include "frmabout.h"
#include "frmsplash.h"
#include "olecolor.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>

namespace kelvastro {

namespace {

constexpr std::uint32_t kGrey = 0x00E0E0E0;
constexpr std::uint32_t kWhite = 0x00FFFFFF;
constexpr std::uint32_t kBlue = 0x00FF0000;
constexpr std::uint32_t kRed = 0x000000FF;
constexpr std::uint32_t kGreen = 0x00008000;
constexpr std::uint32_t kPurple = 0x00C000C0;
constexpr std::uint32_t kWindowBackground = 0x80000005;
constexpr std::uint32_t kWindowText = 0x80000008;
constexpr std::uint32_t kButtonText = 0x80000012;
constexpr std::uint32_t kPaleBlue = 0x00FFC0C0;
constexpr std::uint32_t kInactiveCaptionText = 0x80000013;

const QString kOpenCaption = QStringLiteral("OK");

constexpr int kClientWidth = 6720;
constexpr int kClientHeight = 7575;

struct FontDef {
    const char *family;
    double points;
    bool bold;
};
constexpr FontDef kWindowFont{"MS Sans Serif", 8.25, true};
constexpr FontDef kSans{"MS Sans Serif", 8.25, false};

struct TextBoxDef {
    Field field;
    int left, top, width, height;
    FontDef font;
    std::uint32_t text, background;
    bool locked;
};

// In screen order; the tab order is set separately from the tab indexes.
constexpr TextBoxDef kTextBoxes[] = {
    {Field::Text1, 4200, 240, 1935, 495, kWindowFont, kGreen, kWhite, false},
    {Field::Text2, 4200, 1080, 1935, 495, kSans, kWindowText, kWindowBackground, false},
    {Field::Text8, 3480, 2040, 615, 495, kWindowFont, kRed, kGrey, true},
    {Field::Text3, 4200, 2040, 1935, 495, kSans, kWindowText, kGrey, true},
    {Field::Text4, 4200, 3120, 1935, 495, kSans, kBlue, kGrey, true},
    {Field::Text5, 4200, 4080, 1935, 495, kWindowFont, kRed, kWhite, false},
    {Field::Text6, 4200, 4920, 1935, 495, kSans, kWindowText, kGrey, true},
    {Field::Text7, 4200, 5880, 1935, 495, {"Arial", 9.75, true}, kRed, kGrey, true},
    {Field::Text9, 4200, 6720, 1335, 495, {"MS Sans Serif", 12, true}, kGreen, kGrey, false},
};

struct LabelDef {
    const char *name;
    Field buddy;
    int left, top, width, height;
    FontDef font;
    std::uint32_t text;
};

constexpr FontDef kBookAntiqua{"Book Antiqua", 12, false};
constexpr FontDef kSansLarge{"MS Sans Serif", 9.75, false};

constexpr LabelDef kLabels[] = {
    {"Label1", Field::Text1, 360, 360, 1935, 375, kBookAntiqua, kBlue},
    {"Label2", Field::Text2, 360, 1200, 1935, 375, kBookAntiqua, kBlue},
    {"Label3", Field::Text3, 360, 1800, 1935, 975, kBookAntiqua, kBlue},
    {"Label4", Field::Text4, 360, 3240, 1935, 375, kSansLarge, kBlue},
    {"Label5", Field::Text5, 360, 4200, 1935, 375, kBookAntiqua, kBlue},
    {"Label6", Field::Text6, 360, 4920, 1935, 495, kSansLarge, kBlue},
    {"Label7", Field::Text7, 360, 6000, 1575, 375, {"Arial", 12, true}, kRed},
    {"Label8", Field::Text9, 360, 6840, 1935, 375, kSansLarge, kButtonText},
};

// The order of the Tab key, from the controls' tab indexes.
constexpr Field kTabOrder[] = {Field::Text1, Field::Text2, Field::Text3, Field::Text4,
                               Field::Text5, Field::Text6, Field::Text7, Field::Text8};

QFont makeFont(const FontDef &def) { return form::font(QString::fromLatin1(def.family), def.points, def.bold); }

QString qtext(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

} // namespace

Kelvastro::Kelvastro(FormsServices &services, NumberLocale locale, QWidget *parent)
    : QMainWindow(parent), m_services(services), m_numbers(std::move(locale)), m_recalculator(m_numbers)
{
    setObjectName(QStringLiteral("Kelvastro"));
    setWindowTitle(QStringLiteral("%1   \u00A9 2026 %2").arg(QString::fromUtf8(AppInfo::title),
                                                         QString::fromUtf8(AppInfo::maker)));
    setFont(makeFont(kWindowFont));

    auto *canvas = new QWidget(this);
    canvas->setObjectName(QStringLiteral("canvas"));
    canvas->setMinimumSize(form::px(kClientWidth), form::px(kClientHeight));
    form::setBackground(canvas, kGrey);
    setCentralWidget(canvas);
    buildFields(canvas);
    buildMenu();

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("status"));
    m_status->setTextFormat(Qt::PlainText);
    m_status->setAccessibleName(QStringLiteral("Status"));
    m_status->setFont(makeFont(kSans));
    statusBar()->addWidget(m_status, 1);
    statusBar()->setSizeGripEnabled(true);

    connect(field(Field::Text1), &QLineEdit::textChanged, this, &Kelvastro::Text1_Change);
    connect(field(Field::Text2), &QLineEdit::textChanged, this, &Kelvastro::Text2_Change);
    connect(field(Field::Text5), &QLineEdit::textChanged, this, &Kelvastro::Text5_Change);
    connect(field(Field::Text8), &QLineEdit::textChanged, this, &Kelvastro::Text8_Change);

    connect(m_rateButton, &QPushButton::clicked, this, &Kelvastro::Command2_Click);
    // The rate button is the window's cancel button; Enter stays with the
    // fields, where people press it out of habit after typing a number.
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, m_rateButton, &QPushButton::animateClick);
    connect(qApp, &QApplication::focusChanged, this, &Kelvastro::onFocusChanged);

    Form_Load();
    field(Field::Text1)->setFocus();
}

Kelvastro::~Kelvastro()
{
    // Deleting the fields moves the focus; by then this is no longer a Kelvastro.
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
}

void Kelvastro::buildFields(QWidget *canvas)
{
    for (const auto &def : kTextBoxes) {
        auto *edit = new QLineEdit(canvas);
        edit->setObjectName(qtext(fieldName(def.field)));
        edit->setAccessibleName(qtext(fieldCaption(def.field)));
        edit->setGeometry(form::twipsRect(def.left, def.top, def.width, def.height));
        edit->setFont(makeFont(def.font));
        form::setColors(edit, def.text, def.background);
        edit->setReadOnly(def.locked);
        m_sheet.bind(def.field, edit);
    }
    field(Field::Text8)->setAlignment(Qt::AlignCenter);

    for (const auto &def : kLabels) {
        auto *l = form::label(canvas, def.name, qtext(fieldCaption(def.buddy)),
                              form::twipsRect(def.left, def.top, def.width, def.height));
        l->setFont(makeFont(def.font));
        form::setColors(l, def.text, kGrey);
        l->setBuddy(field(def.buddy));
    }
    auto *percent = form::label(canvas, "Label9", QStringLiteral("%"), form::twipsRect(5640, 6720, 495, 495));
    percent->setFont(form::font(QStringLiteral("MS Sans Serif"), 24, true));
    form::setColors(percent, kPurple, kGrey);

    m_rateButton = new FormButton(QStringLiteral("Change Brokerage %"), oleColor(kPaleBlue), canvas);
    m_rateButton->setObjectName(QStringLiteral("Command2"));
    m_rateButton->setGeometry(form::twipsRect(2280, 1920, 1215, 735));
    m_rateButton->setFont(form::font(QStringLiteral("Arial"), 9, true));
    m_rateButton->setAutoDefault(false);

    QWidget *previous = nullptr;
    for (Field f : kTabOrder) {
        if (previous)
            setTabOrder(previous, field(f));
        previous = field(f);
    }
    setTabOrder(previous, m_rateButton);
    setTabOrder(m_rateButton, field(Field::Text9));
}

void Kelvastro::buildMenu()
{
    // Menus speak in the desktop's own menu font, not the form's bold default.
    // Each attribute is set explicitly, else the window's bold font shines through.
    QFont menuFont = QApplication::font(menuBar());
    menuFont.setFamily(menuFont.family());
    menuFont.setPointSizeF(menuFont.pointSizeF());
    menuFont.setBold(false);
    menuBar()->setFont(menuFont);
    QMenu *about = menuBar()->addMenu(QStringLiteral("About"));
    about->setObjectName(QStringLiteral("about"));
    about->menuAction()->setObjectName(QStringLiteral("aboutMenu"));
    QAction *aboutItem = about->addAction(QStringLiteral("About Kelvastro "));
    aboutItem->setObjectName(QStringLiteral("aboutkelvastro"));
    QAction *helpItem = about->addAction(QStringLiteral("Help"));
    helpItem->setObjectName(QStringLiteral("help"));
    QAction *exitItem = menuBar()->addAction(QStringLiteral("Exit"));
    exitItem->setObjectName(QStringLiteral("Exit"));

    // The captions carry no access keys, so F10, as on most desktops, opens the menu from the keyboard.
    auto *menuKey = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(menuKey, &QShortcut::activated, this, [this, about] { menuBar()->setActiveAction(about->menuAction()); });

    connect(aboutItem, &QAction::triggered, this, &Kelvastro::aboutkelvastro_Click);
    connect(helpItem, &QAction::triggered, this, &Kelvastro::help_Click);
    connect(exitItem, &QAction::triggered, this, &Kelvastro::Exit_Click);
}

QString Kelvastro::statusText() const
{
    return m_status->text();
}

void Kelvastro::Form_Load()
{
    for (Field f : {Field::Text1, Field::Text2, Field::Text3, Field::Text4, Field::Text5,
                    Field::Text6, Field::Text7})
        m_sheet.setText(f, {});
    // Written in the user's own notation: "0,3" where the comma is the decimal
    // separator, so that it reads back as 0.3 and not as an error or as 3.
    m_sheet.setText(Field::Text8, m_numbers.display(0.3));
    m_sheet.setText(Field::Text9, {});
}

void Kelvastro::recalculate(Field changed)
{
    if (auto failure = m_recalculator.recalculate(m_sheet, changed))
        m_status->setText(qtext(describe(*failure)));
    else if (!m_status->text().isEmpty())
        m_status->clear();
}

void Kelvastro::Text1_Change() { recalculate(Field::Text1); }
void Kelvastro::Text2_Change() { recalculate(Field::Text2); }
void Kelvastro::Text5_Change() { recalculate(Field::Text5); }
void Kelvastro::Text8_Change() { recalculate(Field::Text8); }

// The button's caption is the only record of whether the rate is open.
void Kelvastro::Command2_Click()
{
    QLineEdit *rate = field(Field::Text8);
    rate->setReadOnly(false);
    form::setBackground(rate, kWindowBackground);
    if (m_rateButton->text() != kOpenCaption) {
        m_rateButton->setText(kOpenCaption);
        return;
    }
    rate->setReadOnly(true);
    form::setBackground(rate, kInactiveCaptionText);
    m_rateButton->setText(QStringLiteral("Change brokerage %"));
}

// Only a move of the focus to another control of this window counts as
// leaving a field: a message box, a menu, another window or another program
// taking the focus does not.
void Kelvastro::onFocusChanged(QWidget *old, QWidget *now)
{
    if (m_checking || !old || !now || now->window() != this)
        return;
    if (old == field(Field::Text1))
        Text1_LostFocus();
    else if (old == field(Field::Text2))
        Text2_LostFocus();
    else if (old == field(Field::Text5))
        Text5_LostFocus();
    if (m_checking)
        return; // the zero field keeps the focus; nothing is forwarded past it
    if (now == field(Field::Text3))
        Text3_GotFocus();
    else if (now == field(Field::Text7))
        Text7_GotFocus();
}

void Kelvastro::Text1_LostFocus() { zeroCheck(Field::Text1, "Buying Price should not be zero"); }
void Kelvastro::Text2_LostFocus() { zeroCheck(Field::Text2, "Quantity should not be zero"); }
void Kelvastro::Text5_LostFocus() { zeroCheck(Field::Text5, "Selling Price should not be zero"); }

void Kelvastro::zeroCheck(Field f, const char *message)
{
    if (field(f)->text() != QStringLiteral("0"))
        return;
    // The focus goes back at once, so that it never rests elsewhere or gets
    // forwarded; the message follows once the focus change has settled, as a
    // modal box inside a focus change would run under the press that moved it.
    m_checking = true;
    m_leaving = f;
    field(f)->setFocus();
    QTimer::singleShot(0, this, [this, text = std::string(message)] {
        m_services.showMessage(text);
        field(m_leaving)->setFocus();
        m_checking = false;
    });
}

void Kelvastro::Text3_GotFocus() { field(Field::Text5)->setFocus(); }
void Kelvastro::Text7_GotFocus() { field(Field::Text9)->setFocus(); }

void Kelvastro::aboutkelvastro_Click()
{
    if (!m_about)
        m_about = new frmAbout(m_services, this);
    m_about->showModal();
}

// Created at the first opening and kept; the Tips window holds no state, so
// every opening shows it as defined.
void Kelvastro::help_Click()
{
    if (!m_splash)
        m_splash = new frmSplash(this);
    m_splash->exec();
}

void Kelvastro::Exit_Click()
{
    m_services.endProgram();
}

} // namespace kelvastro
