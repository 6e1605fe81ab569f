#pragma once
// CatalogueChoice: what one catalogue set has chosen at the moment a query reads it.
// Names are the shown texts at each level's current item (empty when none is chosen);
// identifiers are the GameIdentify values at the same items.

#include <QString>

namespace ts {

struct CatalogueChoice {
    QString gameName, regionName, serverName, typeName;
    bool gameChosen = false;   // the game GUID list has a current item
    bool serverChosen = false; // the server GameIdentify list has a current item
    QString gameId;            // G
    QString regionId;          // R: "0" when no region is chosen
    QString serverId;          // S
    QString typeId;            // T: "0" when no product type is chosen
};

} // namespace ts
