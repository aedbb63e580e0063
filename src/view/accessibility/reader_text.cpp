#include "view/accessibility/reader_text.h"

#include <algorithm>

#include <QTextBoundaryFinder>

namespace numbrel {
namespace {

bool startsPair(QStringView text, qsizetype unit) {
    return unit + 1 < text.size() && text[unit].isHighSurrogate() &&
           text[unit + 1].isLowSurrogate();
}

// The characters the line edit draws as spaces.
bool shownAsSpace(QChar c) {
    return (c.unicode() < 0x20 && c != u'\t') || c == QChar::LineSeparator ||
           c == QChar::ParagraphSeparator || c == QChar::ObjectReplacementCharacter;
}

}  // namespace

ReaderText::ReaderText(const QString& shown) : m_shown(shown) {
    const qsizetype units = m_shown.size();
    std::vector<bool> unitStartsCluster(static_cast<std::size_t>(units) + 1, false);
    QTextBoundaryFinder clusters(QTextBoundaryFinder::Grapheme, m_shown);
    for (qsizetype at = 0; at >= 0; at = clusters.toNextBoundary()) {
        unitStartsCluster[static_cast<std::size_t>(at)] = true;
    }
    bool hasPairs = false;
    for (qsizetype unit = 0; unit < units && !hasPairs; ++unit) hasPairs = startsPair(m_shown, unit);
    if (!hasPairs) {
        m_size = static_cast<int>(units);
        m_clusterStarts = std::move(unitStartsCluster);
        return;
    }
    for (qsizetype unit = 0; unit < units; unit += startsPair(m_shown, unit) ? 2 : 1) {
        m_units.push_back(static_cast<int>(unit));
        m_clusterStarts.push_back(unitStartsCluster[static_cast<std::size_t>(unit)]);
    }
    m_size = static_cast<int>(m_units.size());
    m_units.push_back(static_cast<int>(units));
    m_clusterStarts.push_back(true);
}

QString ReaderText::text(int start, int end) const {
    start = std::clamp(start, 0, m_size);
    end = std::clamp(end, start, m_size);
    const int from = unitOf(start);
    return forReaders(QStringView(m_shown).mid(from, unitOf(end) - from));
}

int ReaderText::unitOf(int offset) const {
    return m_units.empty() ? offset : m_units[static_cast<std::size_t>(offset)];
}

int ReaderText::offsetOf(int unit) const {
    if (m_units.empty()) return unit;
    const auto after = std::upper_bound(m_units.begin(), m_units.end(), unit);
    return static_cast<int>(after - m_units.begin()) - 1;
}

bool ReaderText::startsCluster(int offset) const {
    return m_clusterStarts[static_cast<std::size_t>(offset)];
}

bool ReaderText::isBlank(int offset) const {
    const int unit = unitOf(offset);
    const char32_t code = startsPair(m_shown, unit)
                              ? QChar::surrogateToUcs4(m_shown[unit], m_shown[unit + 1])
                              : m_shown[unit].unicode();
    return QChar::isSpace(code);
}

int ReaderText::characters(QStringView text) {
    int count = 0;
    for (qsizetype unit = 0; unit < text.size(); unit += startsPair(text, unit) ? 2 : 1) ++count;
    return count;
}

QString ReaderText::forReaders(QStringView text) {
    QString readable = text.toString();
    for (qsizetype unit = 0; unit < readable.size(); ++unit) {
        QChar& c = readable[unit];
        if (startsPair(readable, unit)) {
            ++unit;
        } else if (c.isSurrogate()) {
            c = QChar::ReplacementCharacter;
        } else if (shownAsSpace(c)) {
            c = u' ';
        }
    }
    return readable;
}

}  // namespace numbrel
