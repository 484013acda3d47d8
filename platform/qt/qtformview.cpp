// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/qtformview.h"

#include "platform/forms/closebox.h"
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

// A cause asked for travels in the focus reason, and comes back out of it.
Qt::FocusReason reasonFor(FocusCause cause)
{
    switch (cause) {
    case FocusCause::Tab: return Qt::TabFocusReason;
    case FocusCause::ShiftTab: return Qt::BacktabFocusReason;
    case FocusCause::Click: return Qt::MouseFocusReason;
    case FocusCause::OtherWindow: return Qt::ActiveWindowFocusReason;
    case FocusCause::Program: break;
    }
    return Qt::OtherFocusReason;
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

QtFormView::QtFormView(QtFormsServices &services, Form &form, QWidget *owner)
    : m_services(services), m_form(form), m_definition(form.definition()),
      m_widgets(m_definition.controls.size(), nullptr), m_actions(m_definition.controls.size(), nullptr),
      m_texts(*this, m_definition.controls.size()), m_commands(commandKeys(m_definition)),
      m_backColors(m_definition.controls.size())
{
    for (std::size_t i = 0; i < m_definition.controls.size(); ++i)
        m_backColors[i] = backColorOf(m_definition.controls[i]);
    auto *canvas = new FormCanvas(m_definition);
    if (m_definition.startUp) {
        m_main = new FormMainWindow(canvas, owner);
        m_window = m_main;
        connect(m_main, &FormMainWindow::closeRequested, this, &QtFormView::closeRequested);
    } else {
        m_dialog = new FormDialog(m_definition, owner);
        canvas->setParent(m_dialog);
        m_window = m_dialog;
        connect(m_dialog, &FormDialog::closeRequested, this, &QtFormView::closeRequested);
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
    applyColors();
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
            // Empty until the load step writes the starting texts: a design
            // text would be worked on by the first recalculation the load sets off.
            auto *edit = new QLineEdit(parent);
            edit->setReadOnly(def.locked);
            edit->setAlignment(alignmentOf(def.alignment) | Qt::AlignVCenter);
            edit->setCursorPosition(0);
            edit->installEventFilter(this);
            connect(edit, &QLineEdit::textChanged, this,
                    [this, id](const QString &now) { m_texts.changed(id, now.toStdString()); });
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
            connect(b, &QPushButton::clicked, this, [this, id] { deliver({EventKind::Click, id}); });
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
            connect(frame, &ClickableFrame::clicked, this, [this, id] { deliver({EventKind::Click, id}); });
            w = frame;
            break;
        }
        case ControlKind::StatusLine:
            if (m_main)
                w = m_main->addStatusLine(def.font ? fontOf(*def.font) : m_window->font());
            break;
        case ControlKind::Command:
            for (const auto &[chord, command] : m_commands) {
                if (command != id)
                    continue;
                auto *shortcut = new QShortcut(sequenceOf(chord), m_window);
                shortcut->setObjectName(name);
                connect(shortcut, &QShortcut::activated, this, [this, id] { deliver({EventKind::Click, id}); });
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
            connect(command, &QAction::triggered, this, [this, id = entry.item] { deliver({EventKind::Click, id}); });
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
            connect(item, &QAction::triggered, this, [this, id] { deliver({EventKind::Click, id}); });
            m_actions[id] = item;
        }
    }
}

// Nothing of a showing that ended reaches the form: a dialog's controls
// still lose the focus as it hides.
void QtFormView::deliver(const FormEvent &event)
{
    if (m_live && !m_services.ended())
        m_form.handle(event);
}

void QtFormView::load()
{
    m_live = true;
    m_announced = kNoControl;
    deliver({EventKind::Load});
}

void QtFormView::describe()
{
    m_window->setAccessibleDescription(
        qtext(windowDescription(m_definition, [this](ControlId id) { return text(id); })));
}

void QtFormView::focusFirst()
{
    const auto order = tabOrder(m_definition);
    if (order.empty())
        return;
    m_firstFocus = true;
    m_widgets[order.front()]->setFocus(Qt::OtherFocusReason);
}

ControlId QtFormView::idOf(const QObject *object) const
{
    const auto at = object ? std::find(m_widgets.begin(), m_widgets.end(), object) : m_widgets.end();
    return at == m_widgets.end() ? kNoControl : static_cast<ControlId>(at - m_widgets.begin());
}

std::string QtFormView::text(ControlId id) const
{
    const QWidget *w = m_widgets[id];
    if (qobject_cast<const QLineEdit *>(w))
        return m_texts.text(id);
    if (const auto *label = qobject_cast<const QLabel *>(w))
        return label->text().toStdString();
    if (const auto *button = qobject_cast<const QAbstractButton *>(w))
        return button->text().toStdString();
    return {};
}

void QtFormView::setText(ControlId id, std::string_view text)
{
    QWidget *w = m_widgets[id];
    if (qobject_cast<QLineEdit *>(w)) {
        m_texts.write(id, text);
        return;
    }
    const QString t = qtext(text);
    if (m_definition.control(id).kind == ControlKind::StatusLine && m_main)
        m_main->setStatus(t);
    else if (auto *label = qobject_cast<QLabel *>(w))
        label->setText(t);
    else if (auto *button = qobject_cast<QAbstractButton *>(w))
        button->setText(t);
}

void QtFormView::showText(ControlId id, std::string_view text)
{
    static_cast<QLineEdit *>(m_widgets[id])->setText(qtext(text));
}

bool QtFormView::holdsFocus(ControlId id) const { return m_widgets[id]->hasFocus(); }

// setText leaves the caret at the end; a fresh result shows its sign and integer part.
void QtFormView::showFromStart(ControlId id) { static_cast<QLineEdit *>(m_widgets[id])->setCursorPosition(0); }

void QtFormView::raiseTextChanged(ControlId id) { deliver({EventKind::TextChanged, id}); }

void QtFormView::setCaption(std::string_view caption)
{
    m_window->setWindowTitle(qtext(caption));
}

void QtFormView::setLocked(ControlId id, bool locked)
{
    if (auto *edit = qobject_cast<QLineEdit *>(m_widgets[id])) {
        edit->setReadOnly(locked);
        applyColor(id); // in high contrast a locked field looks it
    }
}

void QtFormView::setBackColor(ControlId id, OleColor color)
{
    m_backColors[id] = color;
    applyColor(id);
}

// Every colour through the rule, against the desktop's colours as they are now.
void QtFormView::applyColors()
{
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
    const ColorScheme &scheme = m_services.scheme();
    const auto *edit = qobject_cast<const QLineEdit *>(w);
    const Look look = scheme.control(m_definition, id, m_backColors[id], edit && edit->isReadOnly());
    if (def.kind != ControlKind::Button) {
        form::setLook(w, look, scheme.selection());
    } else if (auto *button = qobject_cast<FormButton *>(w)) {
        // A graphical button draws its own face; a standard one keeps the desktop's colours.
        form::setLook(button, look, scheme.selection());
        button->setFace(qcolor(look.back));
    }
}

void QtFormView::setFocus(ControlId id, FocusCause cause)
{
    if (QWidget *w = m_widgets[id])
        w->setFocus(reasonFor(cause));
}

ControlId QtFormView::focus() const
{
    return idOf(QApplication::focusWidget());
}

void QtFormView::press(ControlId id)
{
    if (auto *button = qobject_cast<QAbstractButton *>(m_widgets[id]))
        button->click(); // its clicked signal delivers the event
    else
        deliver({EventKind::Click, id});
}

void QtFormView::closeRequested()
{
    closeBoxPressed(m_form, m_services, [this](ControlId button) { press(button); });
}

// Qt moves its focus first and reports after, as the contract wants; a
// control that a handler moved the focus away from, or back to, never sees
// the focus arrive, or leave.
bool QtFormView::focusEvent(ControlId id, QWidget *control, QEvent *event)
{
    const auto reason = static_cast<QFocusEvent *>(event)->reason();
    const QWidget *now = QApplication::focusWidget();
    const bool inWindow = now && now->window() == m_window;
    FocusCause cause = focusCause(originOf(reason), inWindow);
    if (event->type() == QEvent::FocusIn) {
        // A dialog being shown tells its focus widget of a focus it does not
        // have yet; the real one comes with the window's activation.
        if (!control->hasFocus())
            return false;
        // The focus given at showing arrives with the window's activation.
        if (m_firstFocus && reason == Qt::ActiveWindowFocusReason)
            cause = FocusCause::Program;
        m_firstFocus = false;
        if (reason == Qt::PopupFocusReason || reason == Qt::MenuBarFocusReason)
            form::focusCameBackFromAMenu(control);
        m_announced = id;
        deliver({EventKind::GotFocus, id, cause});
        if (!control->hasFocus())
            return true;
        if (m_main)
            m_main->ensureVisible(control);
        return false;
    }
    if (m_announced != id)
        return control->hasFocus();
    m_announced = kNoControl;
    deliver({EventKind::LostFocus, id, cause});
    return control->hasFocus();
}

// The keyboard rules, before the control sees the key. True when the key was used.
bool QtFormView::keyEvent(const QKeyEvent *event)
{
    const KeyOutcome outcome = keyOutcome(m_definition, m_commands, *this, strokeOf(event));
    switch (outcome.kind) {
    case KeyOutcome::Kind::MoveFocus:
        setFocus(outcome.control, outcome.cause);
        return true;
    case KeyOutcome::Kind::Press:
        press(outcome.control);
        return true;
    case KeyOutcome::Kind::Consumed: return true;
    case KeyOutcome::Kind::None: break;
    }
    return false;
}

bool QtFormView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::ApplicationPaletteChange) {
        m_services.updateScheme();
        applyColors();
        return false;
    }
    if (watched == m_window && m_definition.keyPreview) {
        // Key preview: the window hears every key first, and the key goes no further.
        if (event->type() == QEvent::KeyPress) {
            if (const char32_t c = characterOf(static_cast<QKeyEvent *>(event)))
                deliver({EventKind::KeyPress, kNoControl, FocusCause::Program, c});
            return true;
        }
        return false;
    }
    // Every event of every control passes here: its kind first, the control only when it matters.
    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut: {
        const ControlId id = idOf(watched);
        return id != kNoControl && focusEvent(id, static_cast<QWidget *>(watched), event);
    }
    case QEvent::KeyPress:
        return keyEvent(static_cast<QKeyEvent *>(event));
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        // The press gave the focus first; a text box that sent it on selects nothing.
        const QWidget *now = QApplication::focusWidget();
        // A button whose press a field refused the focus to is not pressed.
        const bool takesClicks = qobject_cast<QLineEdit *>(watched) || qobject_cast<QAbstractButton *>(watched);
        return takesClicks && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton && now && now != watched
               && now->window() == m_window;
    }
    default:
        return false;
    }
}

} // namespace kelvastro
