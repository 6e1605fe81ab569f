#include "catalogue/cataloguelevel.h"

namespace ts {

bool CatalogueLevel::setCurrent(int row) {
    if (row < -1 || row >= count())
        return false;
    m_current = row;
    return true;
}

void CatalogueLevel::clear() {
    m_names.clear();
    m_guids.clear();
    m_ids.clear();
    m_current = -1;
}

void CatalogueLevel::setEntries(const QList<CatalogueEntry>& entries) {
    clear();
    for (const CatalogueEntry& e : entries) {
        m_names << e.name;
        m_guids << e.guid;
        m_ids << e.id;
    }
    if (m_withFullCopy) {
        m_fullNames = m_names;
        m_fullGuids = m_guids;
        m_fullIds = m_ids;
    }
}

void CatalogueLevel::clearAll() {
    clear();
    m_fullNames.clear();
    m_fullGuids.clear();
    m_fullIds.clear();
}

void CatalogueLevel::showFullRows(const QList<int>& rows) {
    clear();
    for (int r : rows) {
        if (r < 0 || r >= m_fullNames.size())
            continue;
        m_names << m_fullNames[r];
        m_guids << m_fullGuids[r];
        m_ids << m_fullIds[r];
    }
}

CatalogueLevel& CatalogueSet::level(Level l) {
    switch (l) {
    case Level::Game:
        return games;
    case Level::ProductType:
        return types;
    case Level::Region:
        return regions;
    case Level::Server:
        break;
    }
    return servers;
}

const CatalogueLevel& CatalogueSet::level(Level l) const {
    return const_cast<CatalogueSet*>(this)->level(l);
}

CatalogueChoice CatalogueSet::choice() const {
    CatalogueChoice c;
    c.gameName = games.currentName();
    c.regionName = regions.currentName();
    c.serverName = servers.currentName();
    c.typeName = types.currentName();
    c.gameChosen = games.current() >= 0;
    c.serverChosen = servers.current() >= 0;
    c.gameId = games.currentId();
    c.regionId = regions.current() >= 0 ? regions.currentId() : QStringLiteral("0");
    c.serverId = servers.currentId();
    c.typeId = types.current() >= 0 ? types.currentId() : QStringLiteral("0");
    return c;
}

} // namespace ts
