// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace testing_support {

// Runs check with the rights of an ordinary user, for what root is allowed
// regardless (writing into a read-only folder): as root, in a child process
// that has become "nobody"; otherwise here. Returns what check found wrong,
// empty when nothing; nothing at all when no ordinary user can be had.
// Files check touches must be reachable by "nobody".
std::optional<std::string> AsOrdinaryUser(const std::function<std::string()>& check);

} // namespace testing_support
