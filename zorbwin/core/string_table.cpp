#include "core/string_table.h"

#include "core/resource_ids.h"

namespace {

struct StringEntry {
  int32_t id;
  const char* text;
};

constexpr StringEntry STRINGS[] = {
    {STRING_CANNOT_OPEN, "Impossbile d'ouvir le fichier %s"},
};

}  // namespace

const char* LoadResourceString(int32_t id) {
  for (const StringEntry& entry : STRINGS)
    if (entry.id == id) return entry.text;
  return nullptr;
}
