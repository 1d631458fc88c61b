#pragma once

namespace harmtally {

enum class Language { English, Italian };

} // namespace harmtally
