// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/qtformview.h"

#include "platform/qt/clickableframe.h"
#include "platform/qt/focusring.h"
#include "platform/qt/formbutton.h"
#include "platform/qt/formcanvas.h"
#include "platform/qt/formdesign.h"
#include "platform/qt/formdialog.h"
#include "platform/qt/formmainwindow.h"
#include "platform/qt/olecolor.h"

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

namespace kelvastro {

namespace {

QString qtext(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

QFont fontOf(const FontDef &def) { return form::font(qtext(def.family), def.points, def.bold); }

Qt::Alignment alignmentOf(Alignment a)
{
    switch (a) {
    case Alignment::Right: return Qt::AlignRight;
    case Alignment::Centre: return Qt::AlignHCenter;
    case Alignment::Left: break;
    }
    return Qt::AlignLeft;
}

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

// A focus change that another window, a menu or a popup caused, or that ends
// outside this window, is not a move between this window's controls.
FocusCause causeOf(Qt::FocusReason reason, const QWidget *window)
{
    switch (reason) {
    case Qt::TabFocusReason: return FocusCause::Tab;
    case Qt::BacktabFocusReason: return FocusCause::ShiftTab;
    case Qt::MouseFocusReason: return FocusCause::Click;
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
    case Qt::MenuBarFocusReason: return FocusCause::OtherWindow;
    default: break;
    }
    const QWidget *now = QApplication::focusWidget();
    if (!now || now->window() != window)
        return FocusCause::OtherWindow;
    return FocusCause::Program;
}

// The character a key produces, in the notation of the form layer.
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
    const QList<uint> text = event->text().toUcs4();
    if (text.isEmpty())
        return 0;
    const auto c = static_cast<char32_t>(text.front());
    // Ctrl+letter gives its control character, whatever text a platform reports for it.
    if ((event->modifiers() & Qt::ControlModifier) && !(event->modifiers() & Qt::AltModifier) && c >= 0x20)
        return (c >= U'@' && c <= U'_') || (c >= U'a' && c <= U'z') ? (c & 0x1F) : 0;
    return c;
}

} // namespace

QtFormView::QtFormView(Form &form, QWidget *owner)
    : m_form(form), m_definition(form.definition()), m_widgets(m_definition.controls.size(), nullptr),
      m_actions(m_definition.controls.size(), nullptr), m_texts(m_definition.controls.size())
{
    auto *canvas = new FormCanvas(m_definition);
    if (m_definition.startUp) {
        m_main = new FormMainWindow(canvas, owner);
        m_window = m_main;
    } else {
        m_dialog = new FormDialog(m_definition, owner);
        canvas->setParent(m_dialog);
        m_window = m_dialog;
    }
    m_window->setObjectName(qtext(m_definition.name));
    m_window->setWindowTitle(qtext(m_definition.caption));
    m_window->setFont(fontOf(m_definition.font));
    form::setBackground(m_window, m_definition.backColor);
    if (!m_definition.accessibleName.empty())
        m_window->setAccessibleName(qtext(m_definition.accessibleName));
    build(canvas);
    if (m_main)
        buildMenu(m_main->menuBar());
    if (m_definition.keyPreview) {
        // Nothing in it takes the focus, so every key comes to the window itself.
        m_window->setFocusPolicy(Qt::StrongFocus);
        m_window->installEventFilter(this);
    }
    if (!tabOrder(m_definition).empty())
        new FocusRing(m_window);
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
    QAbstractButton *cancel = nullptr;
    for (std::size_t i = 0; i < m_definition.controls.size(); ++i) {
        const auto id = static_cast<ControlId>(i);
        const ControlDef &def = m_definition.control(id);
        const QString name = qtext(def.name);
        QWidget *parent = canvas;
        QRect geometry = form::twipsRect(def.left, def.top, def.width, def.height);
        if (def.container != kNoControl && frameSurface) {
            // Positions are relative to the panel, whose border clips what starts outside it.
            auto *frame = static_cast<ClickableFrame *>(m_widgets[def.container]);
            parent = frameSurface;
            geometry.translate(-frame->contentsRect().topLeft());
        }
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
            connect(edit, &QLineEdit::textChanged, this, [this, id](const QString &now) {
                m_texts[id] = now.toStdString();
                deliver({EventKind::TextChanged, id});
            });
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
                b = new FormButton(qtext(def.caption), oleColor(backColorOf(def)), parent);
            } else {
                b = new QPushButton(qtext(def.caption), parent);
                // The desktop's own colours: the stored colour shows only on a graphical button.
                form::useDesktopColors(b);
            }
            // In a dialog Enter presses the button that holds the focus, else the default one.
            b->setAutoDefault(m_dialog != nullptr);
            b->setDefault(def.isDefault);
            if (def.isCancel)
                cancel = b;
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
        case ControlKind::Command: {
            auto *shortcut = new QShortcut(QKeySequence::fromString(qtext(def.shortcut), QKeySequence::PortableText),
                                           m_window);
            shortcut->setObjectName(name);
            connect(shortcut, &QShortcut::activated, this, [this, id] { deliver({EventKind::Click, id}); });
            break;
        }
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
        if (def.kind == ControlKind::TextBox) {
            // Fields hold numbers, which no script needs shaped; Qt still shapes
            // the scripts that require it. Without shaping, writing five results
            // per keystroke costs a third less.
            QFont f = w->font();
            f.setStyleStrategy(QFont::PreferNoShaping);
            w->setFont(f);
        }
        if (def.kind == ControlKind::Button)
            continue;
        form::setColors(w, foreColorOf(def), backColorOf(def));
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
    QWidget *previous = nullptr;
    for (ControlId id : tabOrder(m_definition)) {
        if (previous)
            QWidget::setTabOrder(previous, m_widgets[id]);
        previous = m_widgets[id];
    }
    if (m_main)
        m_main->setCancelButton(cancel);
    if (m_dialog)
        m_dialog->setCancelButton(cancel);
}

void QtFormView::buildMenu(QMenuBar *bar)
{
    QMenu *dropDown = nullptr;
    for (std::size_t i = 0; i < m_definition.controls.size(); ++i) {
        const auto id = static_cast<ControlId>(i);
        const ControlDef &def = m_definition.control(id);
        if (def.kind != ControlKind::MenuItem)
            continue;
        const QString name = qtext(def.name);
        const bool opensDropDown = def.menuLevel == 1 && i + 1 < m_definition.controls.size()
                                   && m_definition.control(static_cast<ControlId>(i + 1)).menuLevel == 2;
        QAction *item = nullptr;
        if (opensDropDown) {
            dropDown = bar->addMenu(qtext(def.caption));
            dropDown->setObjectName(name);
            item = dropDown->menuAction();
            item->setObjectName(name + QStringLiteral("Menu"));
        } else {
            item = def.menuLevel == 2 && dropDown ? dropDown->addAction(qtext(def.caption))
                                                     : bar->addAction(qtext(def.caption));
            item->setObjectName(name);
            connect(item, &QAction::triggered, this, [this, id] { deliver({EventKind::Click, id}); });
        }
        m_actions[id] = item;
    }
}

void QtFormView::deliver(const FormEvent &event)
{
    m_form.handle(event);
}

void QtFormView::load()
{
    deliver({EventKind::Load});
}

void QtFormView::focusFirst()
{
    const auto order = tabOrder(m_definition);
    if (!order.empty())
        m_widgets[order.front()]->setFocus(Qt::OtherFocusReason);
}

ControlId QtFormView::idOf(const QObject *object) const
{
    for (std::size_t i = 0; i < m_widgets.size(); ++i)
        if (m_widgets[i] == object)
            return static_cast<ControlId>(i);
    return kNoControl;
}

std::string QtFormView::text(ControlId id) const
{
    const QWidget *w = m_widgets[id];
    if (qobject_cast<const QLineEdit *>(w))
        return m_texts[id];
    if (const auto *label = qobject_cast<const QLabel *>(w))
        return label->text().toStdString();
    if (const auto *button = qobject_cast<const QAbstractButton *>(w))
        return button->text().toStdString();
    return {};
}

void QtFormView::setText(ControlId id, std::string_view text)
{
    QWidget *w = m_widgets[id];
    if (auto *edit = qobject_cast<QLineEdit *>(w)) {
        // An unchanged text changes nothing on the screen and raises no event.
        if (m_texts[id] == text)
            return;
        edit->setText(qtext(text)); // the text-changed handler keeps the copy, as the box may shorten it
        // A written result shows from its first character, sign and integer part
        // in view, as a freshly filled box does; setText leaves the caret at the end.
        if (!edit->hasFocus())
            edit->setCursorPosition(0);
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

void QtFormView::setCaption(std::string_view caption)
{
    m_window->setWindowTitle(qtext(caption));
}

void QtFormView::setAccessibleName(std::string_view name)
{
    m_window->setAccessibleName(qtext(name));
}

void QtFormView::setLocked(ControlId id, bool locked)
{
    if (auto *edit = qobject_cast<QLineEdit *>(m_widgets[id]))
        edit->setReadOnly(locked);
}

void QtFormView::setBackColor(ControlId id, OleColor color)
{
    if (QWidget *w = m_widgets[id])
        form::setBackground(w, color);
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

// A control that a handler moved the focus away from, or back to, never sees
// the focus arrive, or leave.
bool QtFormView::focusEvent(ControlId id, QWidget *control, QEvent *event)
{
    const auto reason = static_cast<QFocusEvent *>(event)->reason();
    if (event->type() == QEvent::FocusIn) {
        deliver({EventKind::GotFocus, id, causeOf(reason, m_window)});
        if (!control->hasFocus())
            return true;
        if (m_main)
            m_main->ensureVisible(control);
        return false;
    }
    deliver({EventKind::LostFocus, id, causeOf(reason, m_window)});
    return control->hasFocus();
}

bool QtFormView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window) {
        // Key preview: the window hears every key first, and the key goes no further.
        if (event->type() == QEvent::KeyPress) {
            deliver({EventKind::KeyPress, kNoControl, FocusCause::Program,
                     characterOf(static_cast<QKeyEvent *>(event))});
            return true;
        }
        return false;
    }
    const ControlId id = idOf(watched);
    if (id == kNoControl)
        return false;
    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        return focusEvent(id, static_cast<QWidget *>(watched), event);
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        // The press gave the focus first; a text box that sent it on selects nothing.
        const QWidget *now = QApplication::focusWidget();
        return qobject_cast<QLineEdit *>(watched) && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton
               && now && now != watched && now->window() == m_window;
    }
    default:
        return false;
    }
}

} // namespace kelvastro
