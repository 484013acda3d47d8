// SPDX-License-Identifier: GPL-3.0-or-later
#include "kelvastro.h"

#include "appinfo.h"
#include "focusring.h"
#include "formbutton.h"
#include "formdesign.h"
#include "formsservices.h"
#include "frmabout.h"
#include "frmsplash.h"
#include "notificationaccessible.h"
#include "olecolor.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProxyStyle>
#include <QScreen>
#include <QScrollArea>
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

// Copied trades read as the window does, row by row.
constexpr Field kCopyOrder[] = {Field::Text1, Field::Text2, Field::Text8, Field::Text3, Field::Text4,
                                Field::Text5, Field::Text6, Field::Text7, Field::Text9};

// Room left for the window manager's title bar when the window is sized to the screen.
constexpr int kTitleBarAllowance = 40;

// Lets the menu bar be worked from the keyboard in every style, as on the desktop it was designed for.
class MenuBarStyle final : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_MenuBar_AltKeyNavigation)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
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

    auto *canvas = new QWidget;
    canvas->setObjectName(QStringLiteral("canvas"));
    canvas->setFixedSize(form::px(kClientWidth), form::px(kClientHeight));
    form::setBackground(canvas, kGrey);
    buildFields(canvas);
    // On a small or strongly scaled screen the window may be shorter than its
    // fields; they then scroll, and the focused one is kept in view.
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("scroll"));
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setFocusPolicy(Qt::NoFocus);
    m_scroll->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_scroll->setWidget(canvas);
    form::setBackground(m_scroll->viewport(), kGrey);
    setCentralWidget(m_scroll);
    buildMenu();

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("status"));
    m_status->setTextFormat(Qt::PlainText);
    m_status->setWordWrap(true);
    NotificationAccessible::speakChanges(m_status);
    m_status->setFont(makeFont(kSans));
    // Room for a message of two lines, so that the window does not jump when one appears.
    fitStatus();
    statusBar()->addWidget(m_status, 1);
    statusBar()->setSizeGripEnabled(true);

    connect(field(Field::Text1), &QLineEdit::textChanged, this, &Kelvastro::Text1_Change);
    connect(field(Field::Text2), &QLineEdit::textChanged, this, &Kelvastro::Text2_Change);
    connect(field(Field::Text5), &QLineEdit::textChanged, this, &Kelvastro::Text5_Change);
    connect(field(Field::Text8), &QLineEdit::textChanged, this, &Kelvastro::Text8_Change);
    connect(m_rateButton, &QPushButton::clicked, this, &Kelvastro::Command2_Click);
    // Focus moves are followed with their reason, which Tab and Shift+Tab forwarding need.
    for (Field f : kAllFields)
        field(f)->installEventFilter(this);
    m_rateButton->installEventFilter(this);

    auto *copy = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), this);
    connect(copy, &QShortcut::activated, this, &Kelvastro::copyTrade);

    new FocusRing(this);

    Form_Load();
    field(Field::Text1)->setFocus();
}

Kelvastro::~Kelvastro()
{
    // Deleting the fields moves the focus; by then this is no longer a Kelvastro.
    for (Field f : kAllFields)
        field(f)->removeEventFilter(this);
    m_rateButton->removeEventFilter(this);
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
    // The unit is part of what the field says; the "%" beside it is only seen.
    field(Field::Text9)->setAccessibleName(qtext(fieldCaption(Field::Text9)) + QStringLiteral(" %"));
    auto *percent = form::label(canvas, "Label9", QStringLiteral("%"), form::twipsRect(5640, 6720, 495, 495));
    percent->setFont(form::font(QStringLiteral("MS Sans Serif"), 24, true));
    form::setColors(percent, kPurple, kGrey);
    // Screen readers name a field by the label that points at it, so that label carries the unit too.
    canvas->findChild<QLabel *>(QStringLiteral("Label8"))->setAccessibleName(field(Field::Text9)->accessibleName());

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
    // The bar then keeps the keyboard until a command runs or Escape leaves it,
    // so that Left and Right reach "Exit" and Enter runs it.
    // A proxy owns the style it is given, so it gets none and makes its own copy of the desktop's.
    auto *style = new MenuBarStyle;
    style->setParent(menuBar());
    menuBar()->setStyle(style);
    auto *menuKey = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(menuKey, &QShortcut::activated, this, &Kelvastro::openMenuFromKeyboard);

    connect(aboutItem, &QAction::triggered, this, &Kelvastro::aboutkelvastro_Click);
    connect(helpItem, &QAction::triggered, this, &Kelvastro::help_Click);
    connect(exitItem, &QAction::triggered, this, &Kelvastro::Exit_Click);
}

void Kelvastro::openMenuFromKeyboard()
{
    // The bar's own keyboard mode starts when Alt is pressed and let go alone.
    QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : this;
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &release);
    // Then down into the first drop-down, as F10 does elsewhere.
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QCoreApplication::sendEvent(menuBar(), &down);
}

QString Kelvastro::statusText() const
{
    return m_status->text();
}

QString Kelvastro::tradeAsText() const
{
    QString out;
    for (Field f : kCopyOrder) {
        const QLineEdit *edit = field(f);
        out += edit->accessibleName() + QLatin1Char('\t') + edit->text() + QLatin1Char('\n');
    }
    return out;
}

void Kelvastro::copyTrade()
{
    QGuiApplication::clipboard()->setText(tradeAsText());
}

void Kelvastro::keyPressEvent(QKeyEvent *event)
{
    // The rate button is the window's cancel button. Only a key that no
    // control took comes here, so an open menu closes on Escape first.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        m_rateButton->animateClick();
        return;
    }
    QMainWindow::keyPressEvent(event);
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
    const auto failure = m_recalculator.recalculate(m_sheet, changed);
    announce(failure ? qtext(describe(*failure)) : QString());
}

// The status line is where the window says what happened: seen there, and
// spoken by a screen reader wherever the focus is.
void Kelvastro::announce(const QString &text)
{
    // Once for each new message, not again at every keystroke it persists through.
    if (text == m_status->text())
        return;
    m_status->setText(text);
    fitStatus();
    NotificationAccessible::notify(m_status);
}

// The status bar does not grow with a wrapped label by itself; a narrow
// window may need a third line.
void Kelvastro::fitStatus()
{
    if (m_statusReserve == 0) {
        // Measured by the label itself, margins and leading included.
        QLabel twoLines(QStringLiteral("0\n0"));
        twoLines.setFont(m_status->font());
        m_statusReserve = twoLines.sizeHint().height();
    }
    m_status->setMinimumHeight(std::max(m_statusReserve, m_status->heightForWidth(m_status->width())));
}

// As large as designed where the screen allows; smaller screens scroll.
// Sized at the first showing, once the menu and status bars know their heights.
void Kelvastro::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_sized)
        return;
    m_sized = true;
    QSize designed(form::px(kClientWidth),
                   form::px(kClientHeight) + menuBar()->sizeHint().height() + statusBar()->sizeHint().height());
    QSize available = designed;
    if (QScreen *s = screen())
        available = s->availableGeometry().size() - QSize(0, kTitleBarAllowance);
    // A window cut short scrolls up and down only: room for that scroll bar.
    if (designed.height() > available.height())
        designed.rwidth() += style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_scroll) + 1;
    resize(designed.boundedTo(available));
}

void Kelvastro::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    fitStatus();
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
        describeRate(true);
        return;
    }
    rate->setReadOnly(true);
    form::setBackground(rate, kInactiveCaptionText);
    m_rateButton->setText(QStringLiteral("Change brokerage %"));
    describeRate(false);
}

// The caption "OK" tells a sighted user that the rate is open; a screen
// reader is told in words, wherever the focus is when the rate changes.
void Kelvastro::describeRate(bool open)
{
    announce(open ? QStringLiteral("Brokerage rate open for editing") : QStringLiteral("Brokerage rate locked"));
}

bool Kelvastro::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::FocusOut:
        // A field that takes the focus back never sees it leave.
        if (fieldLeft(watched, static_cast<QFocusEvent *>(event)->reason()))
            return true;
        break;
    case QEvent::FocusIn:
        // Nor does a field that sends it on see it arrive.
        if (fieldEntered(watched, static_cast<QFocusEvent *>(event)->reason()))
            return true;
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        // A click into a forwarding field selects nothing in it; the focus goes on regardless.
        if ((watched == field(Field::Text3) || watched == field(Field::Text7))
            && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            return true;
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

// Only a move of the focus to another control of this window counts as
// leaving a field: a message box, a menu, another window or another program
// taking the focus does not.
bool Kelvastro::fieldLeft(QObject *left, Qt::FocusReason reason)
{
    if (m_checking || reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason
        || reason == Qt::MenuBarFocusReason)
        return false;
    const QWidget *now = QApplication::focusWidget();
    if (!now || now->window() != this)
        return false;
    if (left == field(Field::Text1))
        Text1_LostFocus();
    else if (left == field(Field::Text2))
        Text2_LostFocus();
    else if (left == field(Field::Text5))
        Text5_LostFocus();
    return m_checking;
}

bool Kelvastro::fieldEntered(QObject *entered, Qt::FocusReason reason)
{
    if (m_checking)
        return false; // the zero field keeps the focus; nothing is forwarded past it
    const bool backwards = reason == Qt::BacktabFocusReason;
    if (entered == field(Field::Text3)) {
        Text3_GotFocus(backwards);
        return true;
    }
    if (entered == field(Field::Text7)) {
        Text7_GotFocus(backwards);
        return true;
    }
    // The whole field comes into view, not only its caret.
    if (auto *w = qobject_cast<QWidget *>(entered)) {
        const QPoint centre = w->mapTo(m_scroll->widget(), w->rect().center());
        m_scroll->ensureVisible(centre.x(), centre.y(), w->width() / 2 + 1, w->height() / 2 + 1);
    }
    return false;
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
        // A press on the button that took the focus away is over: the box
        // takes the release, so the button would stay drawn pressed.
        m_rateButton->setDown(false);
        m_services.showMessage(text);
        field(m_leaving)->setFocus();
        m_checking = false;
    });
}

// Shift+Tab goes on backwards, or it would be sent forward again for ever.
void Kelvastro::Text3_GotFocus(bool backwards)
{
    if (backwards)
        field(Field::Text2)->setFocus(Qt::BacktabFocusReason);
    else
        field(Field::Text5)->setFocus(Qt::TabFocusReason);
}

void Kelvastro::Text7_GotFocus(bool backwards)
{
    if (backwards)
        field(Field::Text6)->setFocus(Qt::BacktabFocusReason);
    else
        field(Field::Text9)->setFocus(Qt::TabFocusReason);
}

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
