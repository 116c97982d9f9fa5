#pragma once
// A POSIX shared-memory object (/dev/shm/NAME) that only this user's programs
// can reach. Whoever comes first creates it, mode 0600; an object that
// another user made, or that is open to other users, is refused and left
// untouched: through it another local user could drive this user's programs.

#include <string>

namespace skycrier {

// Where the object NAME ("/NAME") lives, for messages.
std::string sharedMemoryPath(const std::string& name);

// Creates the object (never taking over one made meanwhile by someone else)
// or opens the one there; its descriptor, and whether it was made now. -1,
// and a message that names the object, its owner and what to do, when it is
// refused or cannot be had.
int openOwnSharedMemory(const std::string& name, bool& created, std::string& error);

}  // namespace skycrier
