#include "status/IndicatorList.h"

namespace status {

int FieldByte(const QString& field, int i) { return i >= 0 && i < field.size() ? field.at(i).unicode() : 0; }

void ListBuilder::look(int byte, int code, int bit)
{
    if ((code >> bit) & 1)
        d_.rows.push_back({byte, bit});
    else
        d_.hidden.push_back({byte, bit});
}

void ListBuilder::look(int byte, int code, std::initializer_list<int> bits)
{
    for (int bit : bits)
        look(byte, code, bit);
}

void ListBuilder::hide(int byte, std::initializer_list<int> bits)
{
    for (int bit : bits)
        d_.hidden.push_back({byte, bit});
}

}   // namespace status
