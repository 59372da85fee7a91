#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace htmlsim {

// One of the player's own web files, as kept in src/core/publish/player and built into the
// program.
struct PlayerFile {
    std::string name;
    std::string_view bytes;
};

// index.html (a template: "{{TITLE}}" and "{{SIMULATION}}" are filled in when publishing),
// player.js and player.css.
const std::vector<PlayerFile>& EmbeddedPlayerFiles();

}  // namespace htmlsim
