// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/fieldaccessible.h"

#include "platform/qt/devicepixels.h"

#include <QFontMetricsF>
#include <QLineEdit>
#include <QList>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <optional>

namespace kelvastro {

namespace {

// The offsets at which the items of a kind begin, with the text's length as
// the last entry, so that item i runs from cuts[i] to cuts[i + 1].
QList<int> itemCuts(const QString &text, QAccessible::TextBoundaryType type)
{
    QList<int> cuts{0};
    const auto n = static_cast<int>(text.size());
    std::optional<QTextBoundaryFinder::BoundaryType> finderType;
    switch (type) {
    case QAccessible::CharBoundary:
        finderType = QTextBoundaryFinder::Grapheme;
        break;
    case QAccessible::WordBoundary:
        finderType = QTextBoundaryFinder::Word;
        break;
    case QAccessible::SentenceBoundary:
        finderType = QTextBoundaryFinder::Sentence;
        break;
    case QAccessible::LineBoundary:
    case QAccessible::ParagraphBoundary:
    case QAccessible::NoBoundary:
        break; // one line, one paragraph: the whole text
    }
    if (finderType && n > 0) {
        QTextBoundaryFinder finder(*finderType, text);
        // A word runs from its start to the next word's start, blanks included,
        // as assistive technology counts words.
        const bool wordStartsOnly = type == QAccessible::WordBoundary;
        for (qsizetype p = finder.toNextBoundary(); p > 0 && p < n; p = finder.toNextBoundary())
            if (!wordStartsOnly || finder.boundaryReasons().testFlag(QTextBoundaryFinder::StartOfItem))
                cuts.append(static_cast<int>(p));
    }
    if (n > 0)
        cuts.append(n);
    return cuts;
}

} // namespace

FieldAccessible::FieldAccessible(QLineEdit *edit) : QAccessibleWidget(edit, QAccessible::EditableText) {}

QAccessibleInterface *FieldAccessible::create(const QString &, QObject *object)
{
    if (auto *lineEdit = qobject_cast<QLineEdit *>(object))
        return new FieldAccessible(lineEdit);
    return nullptr;
}

QLineEdit *FieldAccessible::edit() const { return static_cast<QLineEdit *>(widget()); }

void *FieldAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    if (type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString FieldAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return edit()->text();
    return QAccessibleWidget::text(t);
}

void FieldAccessible::setText(QAccessible::Text t, const QString &text)
{
    if (t != QAccessible::Value) {
        QAccessibleWidget::setText(t, text);
        return;
    }
    if (!edit()->isReadOnly())
        edit()->setText(text);
}

QRect FieldAccessible::rect() const
{
    return form::toDevicePixels(QAccessibleWidget::rect(), widget());
}

QAccessible::State FieldAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    if (edit()->isReadOnly())
        s.readOnly = true;
    else
        s.editable = true;
    s.selectableText = true;
    return s;
}

void FieldAccessible::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !edit()->hasSelectedText())
        return;
    *startOffset = edit()->selectionStart();
    *endOffset = edit()->selectionEnd();
}

int FieldAccessible::selectionCount() const { return edit()->hasSelectedText() ? 1 : 0; }

void FieldAccessible::addSelection(int startOffset, int endOffset) { setSelection(0, startOffset, endOffset); }

void FieldAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        edit()->deselect();
}

void FieldAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex != 0)
        return;
    const int n = characterCount();
    startOffset = std::clamp(startOffset, 0, n);
    endOffset = std::clamp(endOffset, 0, n);
    edit()->setSelection(startOffset, endOffset - startOffset);
}

int FieldAccessible::cursorPosition() const { return edit()->cursorPosition(); }

void FieldAccessible::setCursorPosition(int position) { edit()->setCursorPosition(position); }

QString FieldAccessible::text(int startOffset, int endOffset) const
{
    const QString t = edit()->text();
    const auto n = static_cast<int>(t.size());
    // -1 as the end means "to the end of the text".
    if (endOffset < 0 || endOffset > n)
        endOffset = n;
    startOffset = std::clamp(startOffset, 0, endOffset);
    return t.mid(startOffset, endOffset - startOffset);
}

QString FieldAccessible::item(int offset, QAccessible::TextBoundaryType boundaryType, Side side, int *startOffset,
                              int *endOffset) const
{
    const QString t = edit()->text();
    const auto n = static_cast<int>(t.size());
    if (offset == -2) // the caret
        offset = edit()->cursorPosition();
    offset = std::clamp(offset, 0, n);
    *startOffset = *endOffset = offset;
    const QList<int> cuts = itemCuts(t, boundaryType);
    const auto items = static_cast<int>(cuts.size()) - 1;
    if (items <= 0)
        return {};
    // The item that holds the offset. At the very end there is no character,
    // but the word, sentence or line that ends there is the one asked for.
    int i = static_cast<int>(std::upper_bound(cuts.begin(), cuts.end(), offset) - cuts.begin()) - 1;
    if (i >= items && boundaryType != QAccessible::CharBoundary)
        i = items - 1;
    if (side == Side::Before)
        --i;
    else if (side == Side::After)
        ++i;
    if (i < 0 || i >= items) {
        *startOffset = *endOffset = i < 0 ? 0 : n;
        return {};
    }
    *startOffset = cuts[i];
    *endOffset = cuts[i + 1];
    return t.mid(*startOffset, *endOffset - *startOffset);
}

QString FieldAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                                          int *endOffset) const
{
    return item(offset, boundaryType, Side::Before, startOffset, endOffset);
}

QString FieldAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                                         int *endOffset) const
{
    return item(offset, boundaryType, Side::After, startOffset, endOffset);
}

QString FieldAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                                      int *endOffset) const
{
    return item(offset, boundaryType, Side::At, startOffset, endOffset);
}

int FieldAccessible::characterCount() const { return static_cast<int>(edit()->text().size()); }

QRect FieldAccessible::characterRect(int offset) const
{
    const QString t = edit()->text();
    if (offset < 0 || offset >= t.size())
        return {};
    // Measured from the caret, which QLineEdit places with its own scrolling
    // and alignment; its rectangle reaches 5 pixels left of the caret line.
    const QFontMetricsF metrics(edit()->font());
    const QRect caret = edit()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const qreal caretX = caret.x() + 5;
    const qreal left = caretX + metrics.horizontalAdvance(t.left(offset))
                       - metrics.horizontalAdvance(t.left(edit()->cursorPosition()));
    const qreal width = metrics.horizontalAdvance(t.mid(offset, 1));
    const QRect local(qRound(left), caret.y(), qMax(1, qRound(width)), caret.height() - 1);
    return form::toDevicePixels(local.translated(edit()->mapToGlobal(QPoint(0, 0))), edit());
}

int FieldAccessible::offsetAtPoint(const QPoint &point) const
{
    const int n = characterCount();
    for (int i = 0; i < n; ++i)
        if (characterRect(i).contains(point))
            return i;
    return -1;
}

void FieldAccessible::scrollToSubstring(int startIndex, int endIndex)
{
    edit()->setCursorPosition(endIndex);
    edit()->setCursorPosition(startIndex);
}

QString FieldAccessible::attributes(int offset, int *startOffset, int *endOffset) const
{
    // One run of default attributes over the whole text; a run that ends
    // where it starts makes Orca cut the last character off.
    (void)offset;
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

void FieldAccessible::deleteText(int startOffset, int endOffset) { replaceText(startOffset, endOffset, {}); }

void FieldAccessible::insertText(int offset, const QString &text) { replaceText(offset, offset, text); }

void FieldAccessible::replaceText(int startOffset, int endOffset, const QString &text)
{
    if (edit()->isReadOnly())
        return;
    QString t = edit()->text();
    const auto n = static_cast<int>(t.size());
    startOffset = std::clamp(startOffset, 0, n);
    endOffset = std::clamp(endOffset, startOffset, n);
    edit()->setText(t.replace(startOffset, endOffset - startOffset, text));
}

} // namespace kelvastro
