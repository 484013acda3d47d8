// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/formmainwindow.h"

#include "platform/forms/pixels.h"
#include "platform/qt/formcanvas.h"
#include "platform/qt/formdesign.h"
#include "platform/qt/notificationaccessible.h"

#include <QCloseEvent>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QProxyStyle>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QStatusBar>

namespace kelvastro {

namespace {

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

} // namespace

FormMainWindow::FormMainWindow(FormCanvas *canvas, QWidget *parent) : QMainWindow(parent), m_canvas(canvas)
{
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("scroll"));
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setFocusPolicy(Qt::NoFocus);
    m_scroll->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_scroll->setWidget(canvas);
    m_scroll->viewport()->setAutoFillBackground(true);
    setCentralWidget(m_scroll);

    // Menus speak in the desktop's own menu font, not the form's bold default.
    // Each attribute is set explicitly, else the window's bold font shines through.
    QFont menuFont = QApplication::font(menuBar());
    menuFont.setFamily(menuFont.family());
    menuFont.setPointSizeF(menuFont.pointSizeF());
    menuFont.setBold(false);
    menuBar()->setFont(menuFont);
    // The bar keeps the keyboard until a command runs or Escape leaves it, so
    // that Left and Right reach every entry and Enter runs it. A proxy owns the
    // style it is given, so it gets none and makes its own copy of the desktop's.
    auto *style = new MenuBarStyle;
    style->setParent(menuBar());
    menuBar()->setStyle(style);
    // Captions carry no access keys, so F10, as on most desktops, opens the menu from the keyboard.
    auto *menuKey = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(menuKey, &QShortcut::activated, this, &FormMainWindow::openMenuFromKeyboard);
}

QLabel *FormMainWindow::addStatusLine(const QFont &font)
{
    // cppcheck-suppress publicAllocationError ; called once, and the status bar owns the label
    m_status = new QLabel(this);
    m_status->setTextFormat(Qt::PlainText);
    m_status->setWordWrap(true);
    m_status->setFont(font);
    NotificationAccessible::speakChanges(m_status);
    // Room for a message of two lines, so that the window does not jump when one appears.
    fitStatus();
    statusBar()->addWidget(m_status, 1);
    statusBar()->setSizeGripEnabled(true);
    return m_status;
}

void FormMainWindow::setStatus(const QString &text)
{
    if (!m_status)
        return;
    m_status->setText(text);
    fitStatus();
    NotificationAccessible::notify(m_status);
}

QString FormMainWindow::status() const
{
    return m_status ? m_status->text() : QString();
}

// The status bar does not grow with a wrapped label by itself; a narrow
// window may need a third line. The height is fixed, not a minimum: the bar
// would otherwise take the label's size hint, which wraps a long message at
// a width of its own choosing, into more lines than it shows, and shrink the
// fields' viewport until they scroll.
void FormMainWindow::fitStatus()
{
    if (!m_status)
        return;
    if (m_statusReserve == 0) {
        // Measured by the label itself, margins and leading included.
        QLabel twoLines(QStringLiteral("0\n0"));
        twoLines.setFont(m_status->font());
        m_statusReserve = twoLines.sizeHint().height();
    }
    const int needed = m_status->text().isEmpty() ? 0 : m_status->heightForWidth(m_status->width());
    m_status->setFixedHeight(std::max(m_statusReserve, needed));
}

void FormMainWindow::setSurface(QColor color)
{
    QPalette p = m_scroll->viewport()->palette();
    p.setColor(QPalette::Window, color);
    m_scroll->viewport()->setPalette(p);
}

void FormMainWindow::ensureVisible(QWidget *control)
{
    const QPoint centre = control->mapTo(m_canvas, control->rect().center());
    m_scroll->ensureVisible(centre.x(), centre.y(), control->width() / 2 + 1, control->height() / 2 + 1);
}

void FormMainWindow::openMenuFromKeyboard()
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

void FormMainWindow::closeEvent(QCloseEvent *event)
{
    emit closeRequested();
    QMainWindow::closeEvent(event);
}

// As large as designed where the screen allows; smaller screens scroll.
// Sized at the first showing, once the menu and status bars know their heights.
void FormMainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_sized)
        return;
    m_sized = true;
    const int height = m_canvas->height() + menuBar()->sizeHint().height() + statusBar()->sizeHint().height();
    const QRect work = screen() ? screen()->availableGeometry() : QRect(0, 0, m_canvas->width(), height + kTitleBarAllowance);
    // A window cut short scrolls up and down only: room for that scroll bar.
    const PixelRect placed =
        placeWindow(m_canvas->definition(), {0, 0, m_canvas->width(), height}, {0, kTitleBarAllowance, 0, 0}, {0, 0, 0, 0},
                    {work.x(), work.y(), work.width(), work.height()}, kDesignDpi,
                    style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_scroll) + 1);
    resize(placed.width, placed.height - kTitleBarAllowance);
}

void FormMainWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    fitStatus();
}

} // namespace kelvastro
