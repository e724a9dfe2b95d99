#pragma once
// The scratch folder moved to support/; EnemyListTest.cpp still uses it here.
#include "support/ScratchFolder.h"

struct DataFolder : ScratchFolder {
    explicit DataFolder(const std::string& name) : ScratchFolder(name, kGameFolder) {}
    bool hasPictures() const { return hasData(); }
};
