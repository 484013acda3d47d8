// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/qtformview.h"

#include "platform/forms/focuscause.h"
#include "platform/forms/menutree.h"
#include "platform/forms/pixels.h"
#include "platform/qt/accessibility.h"
#include "platform/qt/clickableframe.h"
#include "platform/qt/focusring.h"
#include "platform/qt/formbutton.h"
#include "platform/qt/formcanvas.h"
#include "platform/qt/formdesign.h"
#include "platform/qt/formdialog.h"
#include "platform/qt/formmainwindow.h"
#include "platform/qt/desktoppalette.h"
#include "platform/qt/qtformsservices.h"

#include <QAction>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QShortcut>
#include <QStatusBar>

#include <algorithm>

namespace kelvastro {

namespace {

QString qtext(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

QFont fontOf(const FontDef &def) { return form::font(qtext(def.family), def.points, def.bold); }

QRect rectOf(const PixelRect &r) { return {r.x, r.y, r.width, r.height}; }

Qt::Alignment alignmentOf(Alignment a)
{
    switch (a) {
    case Alignment::Right: return Qt::AlignRight;
    case Alignment::Centre: return Qt::AlignHCenter;
    case Alignment::Left: break;
    }
    return Qt::AlignLeft;
}

FocusOrigin originOf(Qt::FocusReason reason)
{
    switch (reason) {
    case Qt::TabFocusReason: return FocusOrigin::Tab;
    case Qt::BacktabFocusReason: return FocusOrigin::ShiftTab;
    case Qt::MouseFocusReason: return FocusOrigin::Click;
    case Qt::ActiveWindowFocusReason: return FocusOrigin::Activation;
    case Qt::PopupFocusReason: return FocusOrigin::Popup;
    case Qt::MenuBarFocusReason: return FocusOrigin::MenuBar;
    default: break;
    }
    return FocusOrigin::Other;
}

// The character a key produces, in the notation of the form layer; 0 for none.
char32_t characterOf(const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return U'\r';
    case Qt::Key_Escape: return U'\x1B';
    case Qt::Key_Backspace: return U'\b';
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return U'\t';
    case Qt::Key_Delete: return U'\x7F';
    default: break;
    }
    const QString text = event->text();
    if (text.isEmpty())
        return 0;
    // Half of a surrogate pair is no character, whatever an input method sent.
    const QChar first = text.front();
    if (first.isHighSurrogate() ? text.size() < 2 || !text.at(1).isLowSurrogate() : first.isLowSurrogate())
        return 0;
    const auto c = static_cast<char32_t>(text.toUcs4().front());
    // Ctrl+letter gives its control character, whatever text a platform reports for it.
    if ((event->modifiers() & Qt::ControlModifier) && !(event->modifiers() & Qt::AltModifier) && c >= 0x20)
        return (c >= U'@' && c <= U'_') || (c >= U'a' && c <= U'z') ? (c & 0x1F) : 0;
    return c;
}

// The key as the keyboard rules read it.
KeyStroke strokeOf(const QKeyEvent *event)
{
    const Qt::KeyboardModifiers m = event->modifiers();
    KeyStroke stroke{KeyStroke::Key::Other, 0, (m & Qt::ControlModifier) != 0, (m & Qt::ShiftModifier) != 0,
                     (m & Qt::AltModifier) != 0};
    switch (event->key()) {
    case Qt::Key_Tab: stroke.key = KeyStroke::Key::Tab; break;
    case Qt::Key_Backtab:
        stroke.key = KeyStroke::Key::Tab;
        stroke.shift = true;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter: stroke.key = KeyStroke::Key::Enter; break;
    case Qt::Key_Escape: stroke.key = KeyStroke::Key::Escape; break;
    default:
        if (event->key() >= Qt::Key_0 && event->key() <= Qt::Key_Z) {
            stroke.key = KeyStroke::Key::Character;
            stroke.character = static_cast<char32_t>(event->key());
        }
        break;
    }
    return stroke;
}

QKeySequence sequenceOf(const KeyChord &chord)
{
    QKeyCombination combination(static_cast<Qt::Key>(chord.key));
    Qt::KeyboardModifiers modifiers;
    if (chord.ctrl)
        modifiers |= Qt::ControlModifier;
    if (chord.shift)
        modifiers |= Qt::ShiftModifier;
    if (chord.alt)
        modifiers |= Qt::AltModifier;
    return {QKeyCombination(modifiers, combination.key())};
}

} // namespace

QtFormView::QtFormView(QtFormsServices &services, FormHost &host, QWidget *owner)
    : m_services(services), m_host(host), m_definition(host.definition()),
      m_widgets(m_definition.controls.size(), nullptr), m_actions(m_definition.controls.size(), nullptr)
{
    auto *canvas = new FormCanvas(m_definition);
    if (m_definition.startUp) {
        m_main = new FormMainWindow(canvas, owner);
        m_window = m_main;
        connect(m_main, &FormMainWindow::closeRequested, this, [this] { m_host.closeBoxPressed(); });
    } else {
        m_dialog = new FormDialog(m_definition, owner);
        canvas->setParent(m_dialog);
        m_window = m_dialog;
        connect(m_dialog, &FormDialog::closeRequested, this, [this] { m_host.closeBoxPressed(); });
    }
    m_window->setObjectName(qtext(m_definition.name));
    m_window->setWindowTitle(qtext(m_definition.caption));
    m_window->setFont(fontOf(m_definition.font));
    m_canvas = canvas;
    if (!m_definition.accessibleName.empty())
        m_window->setAccessibleName(qtext(m_definition.accessibleName));
    build(canvas);
    if (m_main)
        buildMenu(m_main->menuBar());
    if (m_definition.keyPreview) // nothing in it takes the focus, so every key comes to the window itself
        m_window->setFocusPolicy(Qt::StrongFocus);
    if (!tabOrder(m_definition).empty())
        m_ring = new FocusRing(m_window);
    showLook(kNoControl);
    // A desktop that changes its colours: the rule is applied again.
    m_window->installEventFilter(this);
}

QtFormView::~QtFormView()
{
    // Deleting the controls moves the focus; no event may reach the form by then.
    for (QWidget *w : m_widgets)
        if (w)
            w->removeEventFilter(this);
    if (m_window)
        m_window->removeEventFilter(this);
    delete m_window.data();
}

void QtFormView::build(FormCanvas *canvas)
{
    QWidget *frameSurface = nullptr;
    for (std::size_t i = 0; i < m_definition.controls.size(); ++i) {
        const auto id = static_cast<ControlId>(i);
        const ControlDef &def = m_definition.control(id);
        const QString name = qtext(def.name);
        QWidget *parent = canvas;
        int insetX = 0, insetY = 0;
        if (def.container != kNoControl && frameSurface) {
            // Positions are relative to the panel, whose border clips what starts outside it.
            parent = frameSurface;
            const QPoint inset = static_cast<ClickableFrame *>(m_widgets[def.container])->contentsRect().topLeft();
            insetX = inset.x();
            insetY = inset.y();
        }
        const QRect geometry = rectOf(controlRect(m_definition, id, kDesignDpi, insetX, insetY));
        QWidget *w = nullptr;
        switch (def.kind) {
        case ControlKind::TextBox: {
            auto *edit = new QLineEdit(parent);
            edit->setReadOnly(def.locked);
            edit->setAlignment(alignmentOf(def.alignment) | Qt::AlignVCenter);
            edit->setCursorPosition(0);
            edit->installEventFilter(this);
            connect(edit, &QLineEdit::textChanged, this,
                    [this, id](const QString &now) { m_host.textChanged(id, now.toStdString()); });
            w = edit;
            break;
        }
        case ControlKind::Label: {
            auto *l = form::label(parent, def.name.data(), qtext(def.caption), geometry);
            l->setAlignment(alignmentOf(def.alignment) | Qt::AlignTop);
            w = l;
            break;
        }
        case ControlKind::Button: {
            QPushButton *b = nullptr;
            if (def.graphical) {
                b = new FormButton(qtext(def.caption), QColor(), parent);
            } else {
                b = new QPushButton(qtext(def.caption), parent);
                // The desktop's own colours: the stored colour shows only on a graphical button.
                form::useDesktopColors(b);
            }
            // Enter is the keyboard rules' to give; the default button only looks it.
            b->setAutoDefault(false);
            b->setDefault(def.isDefault);
            b->installEventFilter(this);
            connect(b, &QPushButton::clicked, this, [this, id] { m_host.clicked(id); });
            w = b;
            break;
        }
        case ControlKind::Frame: {
            auto *frame = new ClickableFrame(parent);
            frame->setFrameShape(QFrame::Box);
            frame->setFrameShadow(QFrame::Plain);
            frame->setGeometry(geometry);
            frameSurface = new QWidget(frame);
            frameSurface->setGeometry(frame->contentsRect());
            connect(frame, &ClickableFrame::clicked, this, [this, id] { m_host.clicked(id); });
            w = frame;
            break;
        }
        case ControlKind::StatusLine:
            if (m_main)
                w = m_main->addStatusLine(def.font ? fontOf(*def.font) : m_window->font());
            break;
        case ControlKind::Command:
            // Qt matches shortcuts before any control hears the key.
            if (const auto chord = parseShortcut(def.shortcut)) {
                auto *shortcut = new QShortcut(sequenceOf(*chord), m_window);
                shortcut->setObjectName(name);
                connect(shortcut, &QShortcut::activated, this, [this, id] { m_host.clicked(id); });
            }
            break;
        case ControlKind::Line:
        case ControlKind::MenuItem:
            break;
        }
        m_widgets[id] = w;
        if (!w)
            continue;
        w->setObjectName(name);
        if (def.kind == ControlKind::StatusLine)
            continue;
        if (def.kind != ControlKind::Label)
            w->setGeometry(geometry);
        if (def.font)
            w->setFont(fontOf(*def.font));
        if (def.kind == ControlKind::Button)
            continue;
        if (def.container != kNoControl)
            static_cast<ClickableFrame *>(m_widgets[def.container])->shieldClicks(w);
        if (def.kind == ControlKind::Label && def.autoSize) {
            auto *l = static_cast<QLabel *>(w);
            l->setWordWrap(false);
            l->adjustSize(); // keeps its top left corner
        }
    }
    // Names a screen reader speaks, once every control is there: a label may come before its field.
    for (std::size_t i = 0; i < m_definition.controls.size(); ++i) {
        const auto id = static_cast<ControlId>(i);
        const ControlDef &def = m_definition.control(id);
        if (!m_widgets[id] || def.kind == ControlKind::StatusLine)
            continue;
        if (def.kind == ControlKind::Label && def.buddy != kNoControl)
            static_cast<QLabel *>(m_widgets[id])->setBuddy(m_widgets[def.buddy]);
        if (def.kind == ControlKind::TextBox)
            m_widgets[id]->setAccessibleName(qtext(spokenName(m_definition, id)));
        else if (!def.accessibleName.empty())
            m_widgets[id]->setAccessibleName(qtext(def.accessibleName));
    }
    // Qt's own chain, for its accessibility tree; the Tab key itself goes through the keyboard rules.
    QWidget *previous = nullptr;
    for (ControlId id : tabOrder(m_definition)) {
        if (previous)
            QWidget::setTabOrder(previous, m_widgets[id]);
        previous = m_widgets[id];
    }
}

void QtFormView::buildMenu(QMenuBar *bar)
{
    for (const MenuEntry &entry : menuTree(m_definition)) {
        const ControlDef &def = m_definition.control(entry.item);
        const QString name = qtext(def.name);
        if (entry.dropDown.empty()) {
            QAction *command = bar->addAction(qtext(def.caption));
            command->setObjectName(name);
            connect(command, &QAction::triggered, this, [this, id = entry.item] { m_host.clicked(id); });
            m_actions[entry.item] = command;
            continue;
        }
        QMenu *dropDown = bar->addMenu(qtext(def.caption));
        dropDown->setObjectName(name);
        m_actions[entry.item] = dropDown->menuAction();
        m_actions[entry.item]->setObjectName(name + QStringLiteral("Menu"));
        for (ControlId id : entry.dropDown) {
            QAction *item = dropDown->addAction(qtext(m_definition.control(id).caption));
            item->setObjectName(qtext(m_definition.control(id).name));
            connect(item, &QAction::triggered, this, [this, id] { m_host.clicked(id); });
            m_actions[id] = item;
        }
    }
}

ControlId QtFormView::idOf(const QObject *object) const
{
    const auto at = object ? std::find(m_widgets.begin(), m_widgets.end(), object) : m_widgets.end();
    return at == m_widgets.end() ? kNoControl : static_cast<ControlId>(at - m_widgets.begin());
}

void QtFormView::showText(ControlId id, std::string_view text)
{
    QWidget *w = m_widgets[id];
    const QString t = qtext(text);
    if (m_definition.control(id).kind == ControlKind::StatusLine && m_main)
        m_main->setStatus(t);
    else if (auto *edit = qobject_cast<QLineEdit *>(w))
        edit->setText(t); // its textChanged signal brings the text back to the host
    else if (auto *label = qobject_cast<QLabel *>(w))
        label->setText(t);
    else if (auto *button = qobject_cast<QAbstractButton *>(w))
        button->setText(t);
}

// setText leaves the caret at the end; a fresh result shows its sign and integer part.
void QtFormView::showFromStart(ControlId id) { static_cast<QLineEdit *>(m_widgets[id])->setCursorPosition(0); }

void QtFormView::showLocked(ControlId id, bool locked)
{
    if (auto *edit = qobject_cast<QLineEdit *>(m_widgets[id]))
        edit->setReadOnly(locked);
}

void QtFormView::showTitle(std::string_view caption) { m_window->setWindowTitle(qtext(caption)); }

void QtFormView::showDescription(std::string_view description)
{
    m_window->setAccessibleDescription(qtext(description));
}

// Every colour through the rule, against the desktop's colours as they are now.
void QtFormView::showLook(ControlId id)
{
    if (id != kNoControl) {
        applyColor(id);
        return;
    }
    const ColorScheme &scheme = m_services.scheme();
    const Look surface = scheme.window(m_definition);
    form::setLook(m_window, surface, scheme.selection());
    m_canvas->setScheme(scheme);
    if (m_main) {
        for (QWidget *bar : {static_cast<QWidget *>(m_main->menuBar()), static_cast<QWidget *>(m_main->statusBar())})
            form::setLook(bar, surface, scheme.selection());
        m_main->setSurface(qcolor(surface.back));
    }
    if (m_ring)
        m_ring->setColor(qcolor(scheme.focusRing(m_definition)));
    for (std::size_t i = 0; i < m_widgets.size(); ++i)
        applyColor(static_cast<ControlId>(i));
}

void QtFormView::applyColor(ControlId id)
{
    QWidget *w = m_widgets[id];
    const ControlDef &def = m_definition.control(id);
    if (!w || def.kind == ControlKind::StatusLine)
        return;
    const Look look = m_host.look(id);
    const Look selection = m_services.scheme().selection();
    if (def.kind != ControlKind::Button) {
        form::setLook(w, look, selection);
    } else if (auto *button = qobject_cast<FormButton *>(w)) {
        // A graphical button draws its own face; a standard one keeps the desktop's colours.
        form::setLook(button, look, selection);
        button->setFace(qcolor(look.back));
    }
}

void QtFormView::applyFocus(ControlId id, bool selectAll)
{
    QWidget *w = id == kNoControl ? m_window.data() : m_widgets[id];
    if (!w)
        return;
    w->setFocus(selectAll ? Qt::TabFocusReason : Qt::OtherFocusReason);
    if (auto *edit = qobject_cast<QLineEdit *>(w); edit && selectAll)
        edit->selectAll();
}

// The ring follows Qt's focus by itself; a field that takes it comes into view.
void QtFormView::focusMoved(ControlId, ControlId to)
{
    if (m_main && to != kNoControl && m_widgets[to])
        m_main->ensureVisible(m_widgets[to]);
}

bool QtFormView::press(ControlId id)
{
    auto *button = qobject_cast<QAbstractButton *>(m_widgets[id]);
    if (button)
        button->click(); // its clicked signal tells the host
    return button != nullptr;
}

void QtFormView::place()
{
    if (m_dialog)
        m_dialog->place();
}

void QtFormView::show() { m_window->show(); }

void QtFormView::runModal()
{
    if (m_dialog)
        m_dialog->exec();
}

void QtFormView::close()
{
    if (m_dialog)
        m_dialog->done(QDialog::Accepted);
    else
        m_window->close();
}

// Qt moves its focus first and reports after. An event for a control that a
// handler has since moved the focus away from, or back to, is not passed on
// to it.
bool QtFormView::focusEvent(ControlId id, QWidget *control, QEvent *event)
{
    const auto reason = static_cast<QFocusEvent *>(event)->reason();
    QWidget *now = QApplication::focusWidget();
    const FocusCause cause = focusCause(originOf(reason), now && now->window() == m_window);
    if (event->type() == QEvent::FocusIn) {
        // A dialog being shown tells its focus widget of a focus it does not
        // have yet; the real one comes with the window's activation.
        if (!control->hasFocus())
            return false;
        if (reason == Qt::PopupFocusReason || reason == Qt::MenuBarFocusReason)
            form::focusCameBackFromAMenu(control);
        m_host.focusArrived(id, cause);
        return !control->hasFocus();
    }
    m_host.focusLeft(id, cause);
    return control->hasFocus();
}

bool QtFormView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::ApplicationPaletteChange) {
        m_services.updateScheme();
        return false;
    }
    if (watched == m_window && m_definition.keyPreview) {
        // Key preview: the window hears every key first, and the key goes no further.
        if (event->type() != QEvent::KeyPress)
            return false;
        m_host.keyPreviewed(characterOf(static_cast<QKeyEvent *>(event)));
        return true;
    }
    // Every event of every control passes here: its kind first, the control only when it matters.
    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut: {
        const ControlId id = idOf(watched);
        return id != kNoControl && focusEvent(id, static_cast<QWidget *>(watched), event);
    }
    case QEvent::KeyPress:
        return m_host.keyPressed(strokeOf(static_cast<QKeyEvent *>(event)));
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        // The press gave the focus first: a text box that sent it on selects
        // nothing, a button a field took it back from is not pressed.
        const ControlId id = idOf(watched);
        return id != kNoControl && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton
               && m_host.refusesPress(id);
    }
    default:
        return false;
    }
}

} // namespace kelvastro
