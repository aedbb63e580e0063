#include "view/form1_view.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "app/button_bindings.h"
#include "view/accessible_names.h"
#include "view/twips.h"

namespace numbrel {
namespace {

constexpr Twips kClientArea{0, 0, 6675, 3510};

// A key press that types a character. Keys without one (arrows, Home, Shift), Delete, Tab and
// Ctrl/Alt/Meta chords are the text box's own editing and focus keys and bypass the key filter.
bool isTypedCharacter(const QKeyEvent& key) {
    constexpr auto chords = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    return !key.text().isEmpty() && !(key.modifiers() & chords) && key.key() != Qt::Key_Tab &&
           key.key() != Qt::Key_Backtab && key.key() != Qt::Key_Delete;
}

// Tahoma 15.75 pt, or the sans face of the nearest metrics that is installed.
QFont displayFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Verdana"),
                      QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(15.75);
    font.setWeight(QFont::Normal);
    return font;
}

// The buttons are as narrow as their twips make them; a caption wider than its button gets a
// smaller font, just small enough to show it whole.
void fitCaption(QPushButton& button) {
    constexpr int kPadding = 6;
    QFont font = button.font();
    while (font.pointSizeF() > 6.0 &&
           QFontMetrics(font).horizontalAdvance(button.text()) > button.width() - kPadding) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
    }
    button.setFont(font);
}

}  // namespace

Form1View::Form1View(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Numbrel"));
    setFixedSize(twipsToPixels(kClientArea, *this).size());

    std::vector<std::pair<int, QWidget*>> tabStops;
    m_form.visitControls([&](const char* name, const auto& record) {
        QWidget* widget = createWidget(record);
        if (widget == nullptr) return;
        widget->setObjectName(QString::fromStdString(name));
        widget->setGeometry(twipsToPixels(record.geometry, *this));
        tabStops.emplace_back(record.TabIndex, widget);
    });
    orderTabs(std::move(tabStops));
    syncFromModel();
    // Fonts are chosen and captions fitted once the event loop runs: measuring text loads the
    // font set, which would otherwise hold back the window's first appearance. Qt itself loads
    // fonts only when it first paints.
    QMetaObject::invokeMethod(this, &Form1View::applyFonts, Qt::QueuedConnection);
}

void Form1View::applyFonts() {
    m_display->setFont(displayFont());
    for (const auto& entry : m_buttons) fitCaption(*entry.second);
}

QWidget* Form1View::createWidget(const CommandButton& record) {
    const auto binding = std::ranges::find(
        buttonBindings, &record, [this](const ButtonBinding& b) { return &(m_form.*b.button); });
    Q_ASSERT(binding != buttonBindings.end());

    auto* button = new QPushButton(QString::fromStdString(record.Caption), this);
    button->setAccessibleName(accessibleNameForCaption(button->text()));
    // No button is the window's default, so Enter and Esc stand for no key.
    button->setAutoDefault(false);
    button->setDefault(false);
    connect(button, &QPushButton::clicked, this,
            [this, handler = binding->click] { click(handler); });
    m_buttons.emplace_back(&record, button);
    return button;
}

QWidget* Form1View::createWidget(const TextBox& record) {
    return &record == &m_form.Text1 ? createDisplay() : nullptr;
}

QLineEdit* Form1View::createDisplay() {
    m_display = new QLineEdit(this);
    m_display->setAccessibleName(displayAccessibleName());
    QPalette palette = m_display->palette();
    palette.setColor(QPalette::Base, QColor(0, 0, 0));
    palette.setColor(QPalette::Text, QColor(0, 255, 0));
    m_display->setPalette(palette);
    m_display->setMaxLength(std::numeric_limits<int>::max());
    // An input method would compose text past the key filter; every character must go through it.
    m_display->setAttribute(Qt::WA_InputMethodEnabled, false);
    m_display->installEventFilter(this);
    connect(m_display, &QLineEdit::textEdited, this, [this](const QString& text) {
        m_form.Text1.Text = text.toStdString();
        syncFromModel();
    });
    return m_display;
}

void Form1View::orderTabs(std::vector<std::pair<int, QWidget*>> tabStops) {
    std::ranges::sort(tabStops, {}, &std::pair<int, QWidget*>::first);
    for (std::size_t i = 1; i < tabStops.size(); ++i) {
        setTabOrder(tabStops[i - 1].second, tabStops[i].second);
    }
}

bool Form1View::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_display && event->type() == QEvent::KeyPress) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (isTypedCharacter(key)) {
            typeIntoDisplay(key);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Form1View::click(void (Form1::*handler)()) {
    (m_form.*handler)();
    finishEvent();
}

// The key filter sees the character first; the display then types the character the filter
// left (at the caret, over a selection), or nothing when the filter set it to 0.
void Form1View::typeIntoDisplay(const QKeyEvent& key) {
    auto code = static_cast<std::int16_t>(key.text().front().unicode());
    m_form.Text1_KeyPress(code);
    if (code != 0) m_display->insert(QString(QChar(static_cast<char16_t>(code))));
    finishEvent();
}

void Form1View::finishEvent() {
    syncFromModel();
    if (m_form.lastEventFaulted()) QApplication::beep();
}

// Copies the records onto the widgets. Signals are blocked so that writing the display's text
// here never comes back as an edit. A text written by a key is shown from its first character,
// so a result wider than the display shows its sign and leading digits.
void Form1View::syncFromModel() {
    const QSignalBlocker blocker(m_display);
    const QString text = QString::fromStdString(m_form.Text1.Text);
    if (m_display->text() != text) {
        m_display->setText(text);
        m_display->home(false);
    }
    m_display->setVisible(m_form.Text1.Visible);
    for (const auto& [record, button] : m_buttons) {
        button->setVisible(record->Visible);
        button->setEnabled(record->Enabled);
    }
}

}  // namespace numbrel
