// The Little, Medium and Big hint commands: guards, clearing the old hint,
// one search in the command's hint mode inside a busy phase. What the player
// sees is decided by the move offer the search ends in.
#pragma once

namespace vantry {

class HintHost;
class Strategy;

// command_id is kLittleHint, kMediumHint or kBigHint.
void hint_command(HintHost& host, Strategy& engine, int command_id);

}  // namespace vantry
