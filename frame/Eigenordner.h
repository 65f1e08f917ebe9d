// A folder of the user's own for the single-instance guard where the system
// gives the user no runtime folder. Only a folder that belongs to the user
// and that nobody else may enter is used, so that no other user can put a
// lock in it or make two users share one.
#pragma once

#include <string>

namespace Eigenordner {

// True when pfad is a folder of the effective user alone: no link, its
// owner that user, mode 0700. A folder of the user's with other mode bits
// is given 0700 first.
bool Privat(const std::string& pfad);

// The fallback, in this order: temp/zirvo-UID (made when missing); else
// the folder ZIRVO in cache (cache "" = none; made with its parents when
// missing); else a folder temp/zirvo-UID-XXXXXX of the user's own, the one
// with the lowest name among those there (found again by its owner and
// mode at every start), or one made anew. Each only when Privat; "" when
// none can be had.
std::string Ausweichordner(const std::string& temp, const std::string& cache);

// The user's cache folder: $XDG_CACHE_HOME when it is an absolute path,
// else $HOME/.cache; "" without either.
std::string Cacheordner();

} // namespace Eigenordner
