#pragma once

#include "core/common/result.h"

#include <array>

namespace vh {

class Database;

constexpr int kRegisterColumnCount = 19;

// A user's register layout: per column its stored width (0 = none stored, size
// to content) and whether it is shown, and the alternate-row colouring.
struct ViewSettings final {
  std::array<int, kRegisterColumnCount> widths{};
  std::array<bool, kRegisterColumnCount> shown;
  bool bands = true;

  ViewSettings() { shown.fill(true); }
  bool operator==(const ViewSettings&) const = default;
};

// The per-user rows of Настройки: "ColWidth{N}", "ColShow{N}", "BandsShow".
class ViewSettingsRepository final {
public:
  explicit ViewSettingsRepository(Database& db) : m_db(db) {}

  // The stored rows applied over the defaults; unknown rows are ignored.
  Result<ViewSettings> load(qint64 userId);
  // Writes the full set of 39 rows in one transaction: updated in place when
  // exactly those 39 exist, otherwise replaced.
  Result<void> save(qint64 userId, const ViewSettings& settings);

private:
  Database& m_db;
};

} // namespace vh
