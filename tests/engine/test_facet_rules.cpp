// The engine's facet tests against the literal, flag-reading reference, and the
// parsing of the precision text.
#include "Communicator.h"
#include "FacetBatch.h"
#include "FacetTest.h"
#include "reference_scan.h"

#include <gtest/gtest.h>

#include <bit>
#include <limits>

using namespace enginetest;

namespace {

float FromBits(std::uint32_t bits) { return std::bit_cast<float>(bits); }

// Floats from every class the rule distinguishes, weighted towards the edges.
class FloatSource {
public:
    explicit FloatSource(unsigned seed) : m_rng(seed) {}
    float Any()
    {
        switch (m_rng() % 16) {
        case 0: return FromBits(static_cast<std::uint32_t>(m_rng()));                    // any bit pattern
        case 1: return FromBits((m_rng() & 0x807FFFFFu));                                  // subnormal or zero
        case 2: return FromBits(0x7F800000u | (m_rng() & 0x807FFFFFu));                    // inf or NaN
        case 3: return FromBits((m_rng() & 0x80000000u) | (0x7E000000u + (m_rng() & 0x00FFFFFFu)));  // huge
        case 4: return FromBits((m_rng() & 0x80000000u) | (0x00800000u + (m_rng() & 0x01FFFFFFu)));  // tiny normal
        case 5: return 0.0f;
        case 6: return FromBits(0x00800000u);                                              // FLT_MIN
        case 7: return std::ldexp(Unit(), static_cast<int>(m_rng() % 60) - 80);            // small
        case 8: return std::ldexp(Unit(), static_cast<int>(m_rng() % 60) + 40);            // large
        default: return Unit() * 200.0f - 100.0f;                                           // ordinary
        }
    }
    float Unit() { return std::uniform_real_distribution<float>(0.0f, 1.0f)(m_rng); }
    std::mt19937& Rng() { return m_rng; }

private:
    std::mt19937 m_rng;
};

// The stored normal: exact, a near miss, reversed, zero or arbitrary.
void StoreNormal(float v[12], FloatSource& src)
{
    Facet f;
    std::memcpy(f.v1, v + 3, 12);
    std::memcpy(f.v2, v + 6, 12);
    std::memcpy(f.v3, v + 9, 12);
    ExactNormal(f);
    switch (src.Rng()() % 6) {
    case 0: std::memcpy(v, f.n, 12); break;
    case 1:
        std::memcpy(v, f.n, 12);
        v[src.Rng()() % 3] += (src.Unit() - 0.5f) * 4e-6f;
        break;
    case 2:
        std::memcpy(v, f.n, 12);
        v[src.Rng()() % 3] = std::nextafter(v[src.Rng()() % 3], 2.0f);
        break;
    case 3: for (int i = 0; i < 3; ++i) v[i] = -f.n[i]; break;
    case 4: v[0] = v[1] = v[2] = 0.0f; break;
    default: for (int i = 0; i < 3; ++i) v[i] = src.Any(); break;
    }
}

std::vector<float> Epsilons()
{
    return {1e-6f, 0.0f + 1e-3f, -1e-3f, 1e-40f /* subnormal */, FromBits(0x00800000u), 1e30f, 3e38f, 1.0f, 1e-12f};
}

TEST(FacetRules, EngineAgreesWithTheLiteralTestOnARandomizedCorpus)
{
    FloatSource src(20261211);
    std::size_t passed = 0, compared = 0;
    for (int round = 0; round < 400000; ++round) {
        float v[12];
        for (float& x : v) x = src.Any();
        // Vertices from a narrow box now and then, so exact normals are common.
        if (round % 3 == 0) {
            const float scale = std::ldexp(1.0f, static_cast<int>(src.Rng()() % 200) - 100);
            const float base = src.Any();
            for (int i = 3; i < 12; ++i) v[i] = base + (src.Unit() - 0.5f) * scale;
        }
        if (round % 2 == 0)
            StoreNormal(v, src);
        for (float eps : Epsilons()) {
            unsigned char record[48];
            std::memcpy(record, v, 48);
            const bool literal = LiteralFacetPasses(record, eps);
            const kalvo::Vec3* q = reinterpret_cast<const kalvo::Vec3*>(v);
            const bool engine = kalvo::FacetPasses(q[0], q[1], q[2], q[3], eps);
            ++compared;
            passed += literal;
            ASSERT_EQ(engine, literal) << "round " << round << " eps " << eps << " n " << v[0] << ' ' << v[1]
                                       << ' ' << v[2] << " v1 " << v[3] << ' ' << v[4] << ' ' << v[5] << " v2 "
                                       << v[6] << ' ' << v[7] << ' ' << v[8] << " v3 " << v[9] << ' ' << v[10]
                                       << ' ' << v[11];
        }
    }
    // A corpus where nothing passes would prove nothing.
    EXPECT_GT(passed, compared / 50);
}

TEST(FacetRules, FourAtOnceAgreesWithOneAtATime)
{
    FloatSource src(777);
    std::vector<float> pool(12 * 4);
    std::size_t passed = 0;
    for (int round = 0; round < 150000; ++round) {
        for (int k = 0; k < 4; ++k) {
            float* v = &pool[12 * k];
            for (int i = 0; i < 12; ++i) v[i] = src.Any();
            if ((round + k) % 3 == 0) {
                const float scale = std::ldexp(1.0f, static_cast<int>(src.Rng()() % 200) - 100);
                const float base = src.Any();
                for (int i = 3; i < 12; ++i) v[i] = base + (src.Unit() - 0.5f) * scale;
            }
            if ((round + k) % 2 == 0)
                StoreNormal(v, src);
        }
        const unsigned char* bytes = reinterpret_cast<const unsigned char*>(pool.data());
        const unsigned char* const four[4] = {bytes, bytes + 48, bytes + 96, bytes + 144};
        for (float eps : Epsilons()) {
            unsigned expected = 0;
            for (int k = 0; k < 4; ++k) {
                expected |= static_cast<unsigned>(LiteralFacetPasses(four[k], eps)) << k;
            }
            passed += static_cast<std::size_t>(__builtin_popcount(expected));
            ASSERT_EQ(kalvo::FacetPasses4(four, eps), expected) << "round " << round << " eps " << eps;
        }
    }
    EXPECT_GT(passed, 10000u);
}

TEST(FacetRules, EdgeCasesOfTheNormalTest)
{
    const float tiny = FromBits(0x00800000u);  // FLT_MIN
    struct Case {
        const char* name;
        float v[12];
        float eps;
        bool passes;
    } cases[] = {
        {"unit square corner", {0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0}, 1e-6f, true},
        {"reversed winding", {0, 0, 1, 0, 0, 0, 0, 1, 0, 1, 0, 0}, 1e-6f, false},
        {"two equal vertices", {0, 0, 0, 1, 1, 1, 1, 1, 1, 2, 3, 4}, 1e-6f, false},
        {"collinear vertices", {0, 0, 0, 0, 0, 0, 1, 1, 1, 2, 2, 2}, 1e-6f, false},
        {"edge overflows", {0, 0, 1, -3e38f, 0, 0, 3e38f, 0, 0, 0, 1, 0}, 1e-6f, false},
        {"cross product overflows", {0, 0, 1, 0, 0, 0, 3e20f, 0, 0, 0, 3e20f, 0}, 1e-6f, false},
        {"squared length too small", {0, 0, 1, 0, 0, 0, 1e-20f, 0, 0, 0, 1e-20f, 0}, 1e-6f, false},
        {"subnormal edge", {0, 0, 1, tiny, 0, 0, std::nextafter(tiny, 1.0f), 0, 0, 0, 1, 0}, 1e-6f, false},
        {"negative epsilon", {0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0}, -1e-3f, false},
        {"subnormal epsilon", {0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0}, 1e-40f, false},
        {"huge epsilon takes a zero normal", {0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 1, 0}, 1e30f, true},
        {"subnormal difference", {tiny / 2 * 0 + FromBits(0x00000001u), 0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0}, 1e-6f, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        unsigned char record[48];
        std::memcpy(record, c.v, 48);
        EXPECT_EQ(LiteralFacetPasses(record, c.eps), c.passes);
        const kalvo::Vec3* q = reinterpret_cast<const kalvo::Vec3*>(c.v);
        EXPECT_EQ(kalvo::FacetPasses(q[0], q[1], q[2], q[3], c.eps), c.passes);
    }
}

TEST(PrecisionText, ParsesLikeTheCLibraryGrammarAndFallsBackToTheDefault)
{
    const float def = 1e-6f;
    struct Case {
        const char16_t* text;
        float expected;
    } cases[] = {
        {u"1e-6", def},
        {u"0", def},
        {u"-0", def},
        {u"abc", def},
        {u"", def},
        {u"1e39", def},          // infinite in single precision
        {u"1e-50", def},         // zero in single precision
        {u"1e999", def},         // range error
        {u"2.5e-4abc", 2.5e-4f}, // the rest is ignored
        {u"-1e-3", -1e-3f},
        {u"  \t+0.001", 1e-3f},
        {u".5", 0.5f},
        {u"5.", 5.0f},
        {u"1e", 1.0f},           // an exponent without digits is not part of the number
        {u"1e+", 1.0f},
        {u"1,5", 1.0f},          // no locale's decimal comma
        {u"nan", def},
        {u"inf", def},
        {u"infinity", def},
        {u"0x1p-3", def},        // hexadecimal is not a number here: "0" then "x"
        {u"1e-40", 1e-40f},      // subnormal: accepted, and then nothing passes
        {u"\u00A01e-3", def},    // only ASCII white space leads
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text, c.text + std::char_traits<char16_t>::length(c.text)));
        EXPECT_EQ(std::bit_cast<std::uint32_t>(kalvo::ParseEpsilon(c.text)), std::bit_cast<std::uint32_t>(c.expected));
    }
    EXPECT_EQ(kalvo::ParseEpsilon(nullptr), def);
}

TEST(PrecisionText, DoesNotDependOnTheProcessLocale)
{
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8") && !std::setlocale(LC_NUMERIC, "fr_FR.UTF-8"))
        GTEST_SKIP() << "no locale with a decimal comma installed";
    EXPECT_EQ(kalvo::ParseEpsilon(u"2.5e-4"), 2.5e-4f);
    std::setlocale(LC_NUMERIC, saved.c_str());
}

}  // namespace
