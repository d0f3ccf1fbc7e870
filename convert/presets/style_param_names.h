// The names a style file gives the brush and conversion parameters: entry p of the table
// names CCharData::m_param[p]; the entries without a name are "_".
#pragma once

#include <string_view>

// The parameter that name (code page 932 bytes, as a style file holds it) names; -1 for
// a name not in the table and for "_".
int FindStyleParam(std::string_view name);
