#include "model/files/DclMatchFinder.h"

namespace {

// Long enough to take at once: searching on costs more than the few bits a longer match saves.
constexpr std::size_t kGoodEnough = 10;

} // namespace

void CDclMatchFinder::Index(std::size_t from, std::size_t to)
{
    m_from = from;
    m_to = to > from ? to : from;
    auto& start = m_area.m_hashStart;
    start.fill(0);
    for (std::size_t at = m_from; at < m_to; ++at)
        ++start[HashAt(at)];
    // Each hash's count becomes the end of its run; filling backwards leaves it at the run's
    // start and puts the positions in window order.
    for (std::size_t hash = 1; hash < start.size(); ++hash)
        start[hash] = uint16_t(start[hash] + start[hash - 1]);
    for (std::size_t at = m_to; at-- > m_from;) {
        const uint16_t slot = --start[HashAt(at)];
        m_area.m_positions[slot] = uint16_t(at);
        m_area.m_rank[at - m_from] = slot;
    }
}

CDclMatch CDclMatchFinder::Find(std::size_t at, std::size_t longest) const
{
    CDclMatch best;
    if (at < m_from || at >= m_to)
        return best;
    const std::size_t first = m_area.m_hashStart[HashAt(at)];
    for (std::size_t slot = m_area.m_rank[at - m_from]; slot-- > first;) {
        const std::size_t earlier = m_area.m_positions[slot];
        if (at - earlier > m_dictionarySize)
            break;
        const std::size_t length = MatchLength(at, earlier, longest);
        if (length > best.m_length) {
            best = {length, at - earlier};
            if (length > kGoodEnough || length == longest)
                break;
        }
    }
    return best;
}

std::size_t CDclMatchFinder::MatchLength(std::size_t at, std::size_t earlier, std::size_t longest) const
{
    const uint8_t* window = m_area.m_window.data();
    std::size_t length = 0;
    while (length < longest && window[earlier + length] == window[at + length])
        ++length;
    return length;
}
