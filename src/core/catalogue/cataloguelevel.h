#pragma once
// CatalogueLevel: one level of a catalogue set as parallel lists (shown names, GUIDs,
// GameIdentify values) with one current item shared by all three, so item i of every list
// always belongs to the same entry. The game level also keeps full copies of the three
// lists, from which the letter filter and the keyword search rebuild the shown lists.
//
// CatalogueSet: the four levels of one set. The window holds two independent sets.

#include "catalogue/cataloguechoice.h"
#include "catalogue/cataloguereader.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace ts {

enum class Level { Game = 0, ProductType = 1, Region = 2, Server = 3 };
constexpr int kLevelCount = 4;

class CatalogueLevel {
public:
    explicit CatalogueLevel(bool withFullCopy = false) : m_withFullCopy(withFullCopy) {}

    int count() const { return m_names.size(); }
    const QStringList& names() const { return m_names; }
    const QStringList& guids() const { return m_guids; }
    const QStringList& ids() const { return m_ids; }
    CatalogueEntry entry(int row) const { return {m_names[row], m_guids[row], m_ids[row]}; }

    // -1 when nothing is chosen.
    int current() const { return m_current; }
    // False (and nothing changes) for a row outside -1 .. count() - 1.
    bool setCurrent(int row);
    QString currentName() const { return m_current >= 0 ? m_names[m_current] : QString(); }
    QString currentGuid() const { return m_current >= 0 ? m_guids[m_current] : QString(); }
    QString currentId() const { return m_current >= 0 ? m_ids[m_current] : QString(); }

    // Empties the shown lists (the full copy stays).
    void clear();
    // Replaces the shown lists; at the game level the full copy too. Nothing is chosen after.
    void setEntries(const QList<CatalogueEntry>& entries);

    bool hasFullCopy() const { return m_withFullCopy; }
    const QStringList& fullNames() const { return m_fullNames; }
    const QStringList& fullGuids() const { return m_fullGuids; }
    const QStringList& fullIds() const { return m_fullIds; }
    // Empties the shown lists and the full copy.
    void clearAll();
    // Rebuilds the shown lists from these rows of the full copy, in the order given.
    void showFullRows(const QList<int>& rows);

private:
    bool m_withFullCopy;
    QStringList m_names, m_guids, m_ids;
    int m_current = -1;
    QStringList m_fullNames, m_fullGuids, m_fullIds;
};

struct CatalogueSet {
    CatalogueLevel games{true};
    CatalogueLevel types;
    CatalogueLevel regions;
    CatalogueLevel servers;

    CatalogueLevel& level(Level l);
    const CatalogueLevel& level(Level l) const;
    // The chosen names and GameIdentify values, as a query reads them.
    CatalogueChoice choice() const;
};

} // namespace ts
