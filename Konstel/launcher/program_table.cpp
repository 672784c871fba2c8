#include "program_table.h"

namespace konstel {

const std::array<std::string_view, kProgramCount> kProgramNames = {
    "Orvanta", "Belmira", "Impulsor", "Tessant", "Kalvido", "Mirvela", "Sondrek", "Varnika",
};

}  // namespace konstel
