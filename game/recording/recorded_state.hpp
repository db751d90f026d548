// The state a run ends in, as brimzel-replay prints it and a recording's `expect` lines hold it.
#pragma once

#include <iosfwd>
#include <string>
#include <utility>
#include <vector>

struct GameState;

// Prints the state as `name value` lines, then `frame N`.
void printReplayState(const GameState& state, long long frame, std::ostream& out);
// The same as name and value pairs, in order.
std::vector<std::pair<std::string, std::string>> printedFields(const GameState& state,
                                                               long long frame);
