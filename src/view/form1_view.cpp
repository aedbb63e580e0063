#include "view/form1_view.h"

#include <algorithm>
#include <cstdint>

#include <QApplication>
#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QSignalBlocker>

#include "app/control_table.h"
#include "view/accessibility/accessible_interfaces.h"
#include "view/accessibility/announcer.h"
#include "view/accessibility/keyboard_access.h"
#include "view/accessibility/spoken_texts.h"
#include "view/platform/fixed_size.h"
#include "view/widgets/display.h"
#include "view/widgets/key_button.h"
#include "view/widgets/refusal_note.h"
#include "view/widgets/refusal_text.h"
#include "view/widgets/twips.h"

namespace numbrel {
namespace {

// The window draws the buttons the table can show and one display; it has no widget for a
// label, nor a second display.
template <class Record>
constexpr std::size_t shownRecords() {
    return static_cast<std::size_t>(std::ranges::count_if(controlTable, [](const ControlRow& row) {
        return row.appearance != Appearance::Never &&
               std::holds_alternative<Record Form1::*>(row.record);
    }));
}
static_assert(shownRecords<TextBox>() == 1 && shownRecords<Label>() == 0);

}  // namespace

Form1View::Form1View(QWidget* parent) : QWidget(parent) {
    installAccessibleInterfaces();
    setWindowTitle(QString::fromLatin1(Form1::Caption));
    // The keypad and its captions ("^2", "-/+") read left to right in every language; menus and
    // other windows of their own still follow the desktop's direction.
    setLayoutDirection(Qt::LeftToRight);
    fixSize(*this, twipsToPixels(Form1::clientArea, *this).size());
    // A character typed on a key is typed at the end of the display, where the user expects it.
    m_keyboard = new KeyboardAccess(this, [this](const QKeyEvent& key) {
        m_display->end(false);
        typeIntoDisplay(key);
    });

    std::vector<std::pair<int, QWidget*>> tabStops;
    visitControls(m_form, [&](const ControlRow& row, auto& record) {
        if (row.appearance == Appearance::Never) return;
        QWidget* widget = createWidget(row, record);
        if (widget == nullptr) return;
        widget->setObjectName(QString::fromLatin1(row.name));
        widget->setGeometry(twipsToPixels(record.geometry, *this));
        tabStops.emplace_back(record.TabIndex, widget);
    });
    orderTabs(std::move(tabStops));
    m_announcer = new Announcer(this);
    syncFromModel();
    // The display's font is sized and captions fitted once the event loop runs: measuring text
    // loads the font set, which would otherwise hold back the window's first appearance. Qt
    // itself loads fonts only when it first paints.
    // The analyzer loses track of the queued call, which Qt deletes once it has run.
    // NOLINTNEXTLINE(clang-analyzer-cplusplus.NewDeleteLeaks)
    QMetaObject::invokeMethod(this, &Form1View::applyFonts, Qt::QueuedConnection);
}

void Form1View::applyFonts() {
    m_display->fitFont();
    for (const auto& entry : m_buttons) entry.second->fitCaption();
    refusalNote();  // made now, hidden, so that the first refusal shows at once
}

QWidget* Form1View::createWidget(const ControlRow& row, const CommandButton& record) {
    const auto key = std::get<CommandButton Form1::*>(row.record);
    auto* button = new KeyButton(QString::fromStdString(record.Caption), this);
    button->setAccessibleName(accessibleNameOfKey(key, button->text()));
    m_keyboard->watch(*button, key);
    const QString operation = namesItsOperation(key) ? button->accessibleName() : QString();
    connect(button, &QPushButton::clicked, this,
            [this, handler = row.click, operation] { click(handler, operation); });
    m_buttons.emplace_back(&record, button);
    return button;
}

QWidget* Form1View::createWidget(const ControlRow&, TextBox& record) {
    m_displayRecord = &record;
    m_display = new Display(this);
    m_display->setAccessibleName(displayAccessibleName());
    // An input method would compose text past the key filter; every character must go through it.
    m_display->setAttribute(Qt::WA_InputMethodEnabled, false);
    m_display->installEventFilter(this);
    // Every edit reaches the record. One the user makes in the display (Delete, a paste) is an
    // event of its own; a typed character's edit is part of its event, which mirrors once.
    connect(m_display, &QLineEdit::textEdited, this, [this](const QString& text) {
        m_displayRecord->Text = text.toStdString();
        if (m_typing) return;
        dismissRefusal();
        syncFromModel();
    });
    connect(m_display, &Display::pasted, this, [this] { announceDisplay(); });
    return m_display;
}

void Form1View::orderTabs(std::vector<std::pair<int, QWidget*>> tabStops) {
    std::ranges::sort(tabStops, {}, &std::pair<int, QWidget*>::first);
    for (std::size_t i = 1; i < tabStops.size(); ++i) {
        setTabOrder(tabStops[i - 1].second, tabStops[i].second);
    }
}

bool Form1View::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_display && event->type() == QEvent::MouseButtonPress) dismissRefusal();
    if (watched == m_display && event->type() == QEvent::KeyPress) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (isTypedCharacter(key)) {
            typeIntoDisplay(key);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// A click on the window between the keys, or on the refusal's note.
void Form1View::mousePressEvent(QMouseEvent* event) {
    dismissRefusal();
    QWidget::mousePressEvent(event);
}

// A screen reader hears every key the pad takes by the display's new text, after the name of
// an operator key; "ON" and "Off" are heard by the focus they move.
void Form1View::click(void (Form1::*handler)(), const QString& operation) {
    dismissRefusal();
    const bool padWasOn = m_display->isVisible();
    m_form.dispatch(handler);
    if (finishEvent() && padWasOn && m_display->isVisible()) announceDisplay(operation);
}

// The key filter sees the character first; the display then types the character the filter
// left (at the caret, over a selection), or nothing when the filter set it to 0. Only the
// reader's own echo of the key speaks it.
void Form1View::typeIntoDisplay(const QKeyEvent& key) {
    dismissRefusal();
    auto code = static_cast<std::int16_t>(key.text().front().unicode());
    m_form.dispatchKeyPress(code);
    if (code != 0) {
        const QScopedValueRollback typing(m_typing, true);
        m_display->insert(QString(QChar(static_cast<char16_t>(code))));
    }
    finishEvent();
}

// Mirrors the records. A refused event makes the display flash and the desktop's alert sound,
// and its reason is shown and spoken; false then.
bool Form1View::finishEvent() {
    syncFromModel();
    const Refusal refusal = m_form.lastRefusal();
    if (!refusal) return true;
    QApplication::beep();
    m_display->flash();
    const QString reason = refusalText(refusal);
    refusalNote().showReason(reason);
    m_announcer->announce(reason);
    return false;
}

RefusalNote& Form1View::refusalNote() {
    if (m_refusalNote == nullptr) m_refusalNote = new RefusalNote(this);
    return *m_refusalNote;
}

void Form1View::dismissRefusal() {
    if (m_refusalNote != nullptr) m_refusalNote->hide();
}

void Form1View::announceDisplay(const QString& operation) {
    const QString spoken = spokenDisplayText(m_display->text());
    m_announcer->announce(operation.isEmpty() ? spoken : spokenAfterOperation(operation, spoken));
}

// Copies the records onto the widgets. Signals are blocked so that writing the display's text
// here never comes back as an edit. The display takes the keyboard focus when it appears; when
// the control with the focus hides, the focus goes to the first control the Tab order reaches.
void Form1View::syncFromModel() {
    const QSignalBlocker blocker(m_display);
    m_display->showText(QString::fromStdString(m_displayRecord->Text));
    const bool displayAppears = m_displayRecord->Visible && m_display->isHidden();
    // Hiding or greying the focused control would make Qt pass the focus on, key by key, through
    // keys that are about to hide as well.
    const bool focusLost = recordsHideTheFocus();
    if (focusLost) focusWidget()->clearFocus();

    m_display->setVisible(m_displayRecord->Visible);
    for (const auto& [record, button] : m_buttons) {
        button->setVisible(record->Visible);
        button->setEnabled(record->Enabled);
    }
    if (displayAppears) {
        m_display->setFocus();
    } else if (focusLost) {
        focusNextChild();
    }
}

bool Form1View::recordsHideTheFocus() const {
    const QWidget* focus = focusWidget();
    if (focus == nullptr) return false;
    if (focus == m_display) return !m_displayRecord->Visible;
    const auto holder = std::ranges::find(m_buttons, focus, [](const auto& entry) {
        return static_cast<const QWidget*>(entry.second);
    });
    return holder != m_buttons.end() && !(holder->first->Visible && holder->first->Enabled);
}

}  // namespace numbrel
