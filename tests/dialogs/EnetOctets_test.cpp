#include "commands/EnetOctets.h"
#include <gtest/gtest.h>

TEST(EnetOctets, SplitsADottedAddressUpToTheFirstMissingPart)
{
    using Octets = std::array<qint16, 4>;
    const Octets before = {9, 9, 9, 9};
    struct Case {
        const char* text;
        Octets expected;
    };
    const Case cases[] = {
        {"10.0.0.254", {10, 0, 0, 254}},
        {"255.255.255.0", {255, 255, 255, 0}},
        {"0", {9, 9, 9, 9}},   // the gateway stored when the unit gives none
        {"", {9, 9, 9, 9}},
        {"1.2.3", {1, 2, 9, 9}},
        {"192.168..1", {192, 168, 9, 9}},   // an empty third part
        {".1.2.3", {9, 9, 9, 9}},
        {"1.2.3.", {1, 2, 3, 0}},        // an empty fourth part reads 0
        {"1.x.3.4", {1, 0, 3, 4}},       // a part without digits reads 0
        {"1.2.3.4.5", {1, 2, 3, 4}},     // the fourth part's leading number
        {"1.99999.3.4", {1, 9, 3, 4}},   // beyond 16 bits: left as it was
    };
    for (const Case& c : cases) {
        Octets octets = before;
        ParseOctets(QString::fromLatin1(c.text), octets);
        EXPECT_EQ(octets, c.expected) << c.text;
    }
}
