#pragma once

namespace vordalis {

// Registers the constructor of every object class with the factory. Programs call it once at start.
void RegisterAllObjectTypes();

} // namespace vordalis
