#pragma once

// A line edit's text as screen readers get it. The characters are those the line edit shows:
// it draws control characters, line and paragraph separators and the object replacement
// character as spaces, so readers get spaces too, and D-Bus, which cannot carry a NUL, never
// sees one. Offsets count Unicode code points, as AT-SPI clients count characters; a lone
// surrogate counts as one and is read as U+FFFD. Built once per text, in time linear in its
// length; every question after that takes constant time.

#include <vector>

#include <QString>

namespace numbrel {

class ReaderText {
public:
    ReaderText() = default;
    // `shown` is the line edit's text as it draws it (QLineEdit::displayText()).
    explicit ReaderText(const QString& shown);

    // The text as the line edit holds it for drawing, in UTF-16.
    const QString& shown() const { return m_shown; }
    int size() const { return m_size; }

    // The characters in [start, end), clipped to the text.
    QString text(int start, int end) const;
    // Where the character at `offset` (0 to size()) begins in shown().
    int unitOf(int offset) const;
    // The offset of the character that holds the UTF-16 index `unit` (0 to shown().size()).
    int offsetOf(int unit) const;
    // Whether a grapheme cluster begins at `offset`: a base character with its combining marks,
    // or a character beyond 16 bits, is never split. True at size().
    bool startsCluster(int offset) const;
    // Whether the character at `offset` (below size()) is blank.
    bool isBlank(int offset) const;

    // How many characters `text` holds.
    static int characters(QStringView text);
    // `text` as readers get it: each character the line edit shows as a space is a space, each
    // lone surrogate U+FFFD.
    static QString forReaders(QStringView text);

private:
    QString m_shown;
    int m_size = 0;
    // The UTF-16 index of each character and of the end; empty while they are the same.
    std::vector<int> m_units;
    std::vector<bool> m_clusterStarts;
};

}  // namespace numbrel
