#pragma once

class AppFolders;

// The first start of an installed program for a player: the player's
// folders are made, the empty best table is copied into place from the
// shipped template as the clearing copies it, and the settings a new
// player starts with from the shipped ones. A file the player has already,
// whatever state it is in, is never touched: the program's reads refuse
// what they refuse in any folder. A portable folder is laid out by the
// build and left alone here.
//
// Throws when the table cannot be laid out, so that the start reports it;
// settings that cannot be laid out are left out, since missing settings
// read as empty.
void layOutPlayerFiles(const AppFolders& folders);
