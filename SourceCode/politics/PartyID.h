#pragma once

// The party a voter belongs to, as saved (PartID).
enum PartyID : int {
    PARTY_NONE = 0,
    PARTY_PLAYER = 1,
    PARTY_OPPOSITION = 2,
};
