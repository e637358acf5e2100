// Typed numbers: which texts a field takes, the box text that says what it takes, and the
// input box that asks again after a refusal.
#include "platform/TypedNumber.h"
#include "support/FakePrompts.h"
#include <gtest/gtest.h>

namespace {

const typednum::Field Decimal{"Gain Balance", 4, true, typednum::Between(0.0, 99.9, "#0.0", "dB")};
const typednum::Field Whole{"Temperature Fault trip Level", 3, false, typednum::Between(0, 999, "0", "°C")};
const typednum::Field Unbounded{"IF Attenuation", 0, true, {}};

}   // namespace

TEST(TypedNumber, TakesPlainDecimalsWithinTheLengthAndTheBounds)
{
    struct Case {
        const typednum::Field* field;
        const char* text;
        std::optional<double> value;
    };
    const Case cases[] = {
        {&Decimal, "12.5", 12.5},
        {&Decimal, "0", 0.0},
        {&Decimal, ".5", 0.5},
        {&Decimal, "5.", 5.0},
        {&Decimal, "99.9", 99.9},
        {&Decimal, "007", 7.0},
        {&Decimal, "12.34", std::nullopt},   // five characters
        {&Decimal, "100", std::nullopt},     // above the bounds
        {&Decimal, "1e3", std::nullopt},
        {&Decimal, "1E3", std::nullopt},
        {&Decimal, "17,5", std::nullopt},
        {&Decimal, "-1", std::nullopt},
        {&Decimal, "+1", std::nullopt},
        {&Decimal, "1.2.", std::nullopt},
        {&Decimal, "..", std::nullopt},
        {&Decimal, ".", std::nullopt},
        {&Decimal, " 1", std::nullopt},
        {&Decimal, "abc", std::nullopt},
        {&Decimal, "&H1", std::nullopt},
        {&Decimal, "", std::nullopt},
        {&Decimal, "１２", std::nullopt},   // full-width digits
        {&Whole, "999", 999.0},
        {&Whole, "0", 0.0},
        {&Whole, "9999", std::nullopt},
        {&Whole, "85.", std::nullopt},
        {&Unbounded, "123456789012.5", 123456789012.5},
        {&Unbounded, "1e400", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(typednum::Value(*c.field, QString::fromUtf8(c.text)), c.value) << c.text;
}

TEST(TypedNumber, TheBoxNamesTheFieldAndWhatItTakes)
{
    EXPECT_EQ(typednum::Takes(Decimal), "Gain Balance: enter a number from 0.0 to 99.9 dB, at most 4 characters.");
    EXPECT_EQ(typednum::Takes(Whole),
              "Temperature Fault trip Level: enter a whole number from 0 to 999 °C, at most 3 characters.");
    EXPECT_EQ(typednum::Takes(Unbounded), "IF Attenuation: enter a number.");
    const typednum::Field limit{"Max Power Level", 0, true, typednum::Between(26, 55, "#0.0", "dBm")};
    EXPECT_EQ(typednum::Takes(limit), "Max Power Level: enter a number from 26.0 to 55.0 dBm.");
}

TEST(TypedNumber, AnInputBoxAsksAgainWithTheRefusedAnswerUntilItIsTakenOrLeft)
{
    struct Case {
        const char* proposed;
        QStringList answers;
        std::optional<QString> taken;
        QStringList proposals;   // what each input box proposed
        int boxes;
    };
    const Case cases[] = {
        {"", {"12"}, "12", {""}, 0},
        {"", {" 12.5 "}, "12.5", {""}, 0},
        {"", {"1e3", "17,5", "17.5"}, "17.5", {"", "1e3", "17,5"}, 2},
        {"", {"abc", ""}, std::nullopt, {"", "abc"}, 1},   // then cancelled
        {"", {"100", "100", ""}, std::nullopt, {"", "100", "100"}, 2},
        {"12000 MHz", {"12000 MHz"}, std::nullopt, {"12000 MHz"}, 0},   // left as proposed
        {"12000 MHz", {"x", "12000 MHz"}, std::nullopt, {"12000 MHz", "x"}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answers.join('|').toStdString());
        FakePrompts prompts;
        prompts.inputAnswers = c.answers;
        QStringList proposals;   // whileOpen runs for the boxes too: one entry per input box
        prompts.whileOpen = [&] {
            if (prompts.inputs.size() > proposals.size())
                proposals << prompts.lastProposed;
        };
        EXPECT_EQ(typednum::Ask(prompts, "Enter it", "Its Title", c.proposed, Decimal), c.taken);
        EXPECT_EQ(proposals, c.proposals);
        ASSERT_EQ(prompts.boxes.size(), c.boxes);
        for (const FakePrompts::Box& b : prompts.boxes) {
            EXPECT_EQ(b.title, "Its Title");
            EXPECT_EQ(b.text, typednum::Takes(Decimal));
            EXPECT_EQ(b.icon, PromptIcon::Exclamation);
        }
    }
}
