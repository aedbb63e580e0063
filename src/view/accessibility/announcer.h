#pragma once

// Speaks a short text through the screen reader, wherever the keyboard focus is. Readers
// present a notification in a status area the moment it shows, whatever has the focus, and
// speak its name alone; the window keeps one such pair, without size, and shows the
// notification again with each new text. Without a reader Qt drops the event unsent.

#include <QWidget>

namespace numbrel {

class Announcement;

class Announcer : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget* window);

    void announce(const QString& text);

private:
    Announcement* m_announcement;
};

// The notification the announcer shows; its accessible name is the text spoken.
class Announcement : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;
};

}  // namespace numbrel
