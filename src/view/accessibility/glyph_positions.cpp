#include "view/accessibility/glyph_positions.h"

#include <algorithm>
#include <cmath>

#include <QFontMetricsF>
#include <QHash>

namespace numbrel {
namespace {

// The text layout's limits: the longest run it shapes as one, and its distance between tabs.
constexpr int kShapedRunUnits = 4096;
constexpr qreal kTabStop = 80;

bool breaksShaping(QStringView cluster) {
    const QChar first = cluster.front();
    return first == u' ' || first == QChar::Nbsp || first == u'\t';
}

// Widths of clusters and of pairs of them in one font, each measured once: a long text repeats
// few of them.
class Widths {
public:
    explicit Widths(const QFont& font) : m_metrics(font) {}

    qreal of(QStringView cluster) {
        if (cluster.size() != 1) return m_metrics.horizontalAdvance(cluster.toString());
        auto found = m_single.find(cluster.front().unicode());
        if (found == m_single.end()) {
            found = m_single.insert(cluster.front().unicode(),
                                    m_metrics.horizontalAdvance(cluster.front()));
        }
        return *found;
    }

    // How much the pair's shaping together moves the second cluster from where the first's
    // own width would put it.
    qreal kerning(QStringView first, QStringView second) {
        const bool single = first.size() == 1 && second.size() == 1;
        const quint32 key = single ? (quint32{first.front().unicode()} << 16) | second.front().unicode()
                                   : 0;
        if (single) {
            if (const auto found = m_pairs.constFind(key); found != m_pairs.cend()) return *found;
        }
        const qreal together = m_metrics.horizontalAdvance(first.toString() + second.toString());
        const qreal kerning = together - of(first) - of(second);
        if (single) m_pairs.insert(key, kerning);
        return kerning;
    }

private:
    QFontMetricsF m_metrics;
    QHash<char16_t, qreal> m_single;
    QHash<quint32, qreal> m_pairs;
};

}  // namespace

GlyphPositions::GlyphPositions(const ReaderText& text, const QFont& font) {
    const QStringView shown(text.shown());
    const auto size = static_cast<std::size_t>(text.size());
    m_left.resize(size + 1);
    m_width.resize(size + 1);
    Widths widths(font);
    qreal x = 0;
    int runStart = 0;
    QStringView previous;
    for (int start = 0; start < text.size();) {
        int end = start + 1;
        while (!text.startsCluster(end)) ++end;
        const int unit = text.unitOf(start);
        const QStringView cluster = shown.mid(unit, text.unitOf(end) - unit);
        qreal advance = 0;
        if (cluster.front() == u'\t') {
            advance = (std::floor(x / kTabStop) + 1) * kTabStop - x;
        } else {
            advance = widths.of(cluster);
        }
        if (breaksShaping(cluster)) {
            runStart = unit + static_cast<int>(cluster.size());
        } else if (unit - runStart >= kShapedRunUnits) {
            runStart = unit;
        } else if (!previous.isEmpty() && !breaksShaping(previous)) {
            // The kerning belongs to the pair: it moves this cluster and those after it.
            x += widths.kerning(previous, cluster);
        }
        for (int offset = start; offset < end; ++offset) {
            m_left[static_cast<std::size_t>(offset)] = x;
            m_width[static_cast<std::size_t>(offset)] = static_cast<float>(advance);
        }
        previous = cluster;
        x += advance;
        start = end;
    }
    m_left[size] = x;
    m_width[size] = 0;
}

int GlyphPositions::offsetAt(qreal x) const {
    const auto end = m_left.end() - 1;
    if (x >= *end) return static_cast<int>(end - m_left.begin());
    // The last character that starts at or left of x, then the first one of its cluster.
    const auto after = std::upper_bound(m_left.begin(), end, x);
    if (after == m_left.begin()) return 0;
    return static_cast<int>(std::lower_bound(m_left.begin(), after, *(after - 1)) - m_left.begin());
}

}  // namespace numbrel
