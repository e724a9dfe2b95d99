#pragma once

#include <string>

// Where the game runs from: the folder holding data/ (the game opens its
// files as "data\..." from there) and where config.txt is kept.
//   - data/ in the current folder: run there, config.txt beside it (the build
//     folder, as always);
//   - data/ next to the program: run there, config.txt beside it;
//   - installed: data/ under <prefix>/share/quasarine, the program in
//     <prefix>/bin; config.txt in $XDG_CONFIG_HOME/quasarine (else
//     ~/.config/quasarine), since the share folder is not the user's.
// With none of these it stays in the current folder, where loading the data
// fails with the usual report.
struct GameFolder {
    std::string root;        // the folder to run in
    std::string configPath;  // config.txt, absolute or relative to `root`
    bool installed = false;
};

// `programDir` is the folder of the running program.
GameFolder findGameFolder(const std::string& programDir);

// Makes the folder the config file lives in, when it is not there yet.
void makeConfigFolder(const GameFolder& folder);
