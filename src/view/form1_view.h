#pragma once

// The window the user sees: one widget for each record of Form1 that can ever be shown, placed
// by its twips. Clicks go to the button's handler, typed characters to the display's key filter
// and the user's edits of the display to its record; after every event the records are
// mirrored back. The keyboard focus stays where the user put it: keys take it by Tab only, and
// the display takes it when it appears; a character typed on a key goes to the end of the
// display. A refused event shows its reason until the user's next click, typed character or
// edit of the display. The view holds no calculator logic of its own.

#include <utility>
#include <vector>

#include <QWidget>

#include "app/form1.h"

class QKeyEvent;

namespace numbrel {

class Announcer;
class Display;
class KeyButton;
class KeyboardAccess;
class RefusalNote;
struct ControlRow;

class Form1View : public QWidget {
    Q_OBJECT

public:
    explicit Form1View(QWidget* parent = nullptr);

    const Form1& form() const { return m_form; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // One widget for each record the control table can show: a key for a button, the display
    // for the text box. No label is ever shown.
    QWidget* createWidget(const ControlRow& row, const CommandButton& record);
    QWidget* createWidget(const ControlRow& row, TextBox& record);
    static QWidget* createWidget(const ControlRow&, const Label&) { return nullptr; }
    void orderTabs(std::vector<std::pair<int, QWidget*>> tabStops);
    void applyFonts();

    void click(void (Form1::*handler)(), const QString& operation);
    void typeIntoDisplay(const QKeyEvent& key);
    bool finishEvent();
    RefusalNote& refusalNote();
    void dismissRefusal();
    void announceDisplay(const QString& operation = {});
    void syncFromModel();
    bool recordsHideTheFocus() const;

    Form1 m_form;
    TextBox* m_displayRecord = nullptr;
    Display* m_display = nullptr;
    Announcer* m_announcer = nullptr;
    KeyboardAccess* m_keyboard = nullptr;
    RefusalNote* m_refusalNote = nullptr;  // made once the event loop runs
    bool m_typing = false;                 // while a typed character goes into the display
    std::vector<std::pair<const CommandButton*, KeyButton*>> m_buttons;
};

}  // namespace numbrel
