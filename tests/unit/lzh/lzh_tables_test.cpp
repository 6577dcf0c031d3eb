// The decoder's tables: obtained in order at the start of every unpack, released in reverse
// order on every way out, and memory failures reported as ElzhException.
#include <gtest/gtest.h>

#include <cstdlib>
#include <stdexcept>

#include "lzh/lzh_decoder.h"
#include "lzh_test_streams.h"

namespace {

// A memory service that records every request and can be told to fail one.
struct TMemoryLog {
    std::vector<size_t> Obtained;     // sizes, in order
    std::vector<void*> Blocks;        // the blocks handed out, in order
    std::vector<void*> Released;      // in order
    int FailGet = -1;                 // index of the request that fails (-1: none)
    bool GetThrows = false;           // fail by throwing instead of returning null
    int FailFree = -1;                // index of the release that fails
};

TMemoryLog Memory;

void* LoggingGetMem(size_t Size) {
    if (static_cast<int>(Memory.Obtained.size()) == Memory.FailGet) {
        Memory.Obtained.push_back(Size);
        if (Memory.GetThrows) throw std::bad_alloc();
        return nullptr;
    }
    void* block = std::malloc(Size);
    Memory.Obtained.push_back(Size);
    Memory.Blocks.push_back(block);
    return block;
}

bool LoggingFreeMem(void* Block, size_t) {
    const bool fail = static_cast<int>(Memory.Released.size()) == Memory.FailFree;
    Memory.Released.push_back(Block);
    std::free(Block);  // given back all the same, so the test does not leak
    return !fail;
}

class Tables : public testing::Test {
protected:
    void SetUp() override {
        Memory = TMemoryLog{};
        LzhGetMem = LoggingGetMem;
        LzhFreeMem = LoggingFreeMem;
    }
    void TearDown() override { LzhUseDefaultMemory(); }

    // All obtained blocks released, last obtained first.
    void ExpectAllReleasedInReverse() {
        EXPECT_FALSE(LzhTablesHeld());
        ASSERT_EQ(Memory.Released.size(), Memory.Blocks.size());
        for (size_t i = 0; i < Memory.Blocks.size(); ++i)
            EXPECT_EQ(Memory.Released[i], Memory.Blocks[Memory.Blocks.size() - 1 - i]) << i;
    }
};

const std::vector<size_t> TableSizes = {4096, 628 * 2, 941 * 2, 627 * 2};  // window, freq, parent, child

TEST_F(Tables, ObtainedInOrderAndReleasedInReverseAfterANormalUnpack) {
    UnpackBytes({0xE6, 0x80}, 1);
    EXPECT_EQ(Memory.Obtained, TableSizes);
    ExpectAllReleasedInReverse();
}

TEST_F(Tables, ObtainedAndReleasedEvenWhenNothingIsDecoded) {
    struct TCase {
        int32_t TotalBytes;
        int32_t Running;
    };
    for (const TCase c : {TCase{0, 1}, TCase{-1, 1}, TCase{100, 0}}) {
        SCOPED_TRACE(testing::Message() << c.TotalBytes << ", running " << c.Running);
        Memory = TMemoryLog{};
        ResetTestStreams({0xE6, 0x80});
        InstallRunning = c.Running;
        LzhUnpack(c.TotalBytes, TestSource, TestSink);
        EXPECT_EQ(Memory.Obtained, TableSizes);
        ExpectAllReleasedInReverse();
        EXPECT_EQ(TestStreams.SourceCalls, 0u);
        EXPECT_TRUE(TestStreams.Output.empty());
    }
}

TEST_F(Tables, ReleasedAfterCancellation) {
    ResetTestStreams({});
    TestStreams.OnSink = [] { InstallRunning = 0; };
    LzhUnpack(1000, TestSource, TestSink);
    EXPECT_EQ(TestStreams.Output.size(), 1u);
    ExpectAllReleasedInReverse();
}

TEST_F(Tables, HeldWhileDecodingOnly) {
    EXPECT_FALSE(LzhTablesHeld());
    bool heldInside = false;
    ResetTestStreams({});
    TestStreams.OnSink = [&] { heldInside = LzhTablesHeld(); };
    LzhUnpack(1, TestSource, TestSink);
    EXPECT_TRUE(heldInside);
    EXPECT_FALSE(LzhTablesHeld());
}

struct TThrowCase {
    const char* Name;
    bool FromSource;
};

void PrintTo(const TThrowCase& Case, std::ostream* Out) { *Out << Case.Name; }

class ThrowingStream : public Tables, public testing::WithParamInterface<TThrowCase> {};

TEST_P(ThrowingStream, ReleasesTheTablesAndPassesTheExceptionOn) {
    ResetTestStreams({});
    // The all-zero stream: the source's fourth call comes while the third token is read; the
    // sink fails in the middle of the 60-byte match.
    if (GetParam().FromSource)
        TestStreams.OnSource = [] {
            if (TestStreams.SourceCalls == 4) throw EInOutError(IoReadBeyondEnd);
        };
    else
        TestStreams.OnSink = [] {
            if (TestStreams.Output.size() == 30) throw EInOutError(IoReadBeyondEnd);
        };
    try {
        LzhUnpack(100000, TestSource, TestSink);
        ADD_FAILURE() << "no exception";
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.ErrorCode(), IoReadBeyondEnd);  // unchanged
    }
    ExpectAllReleasedInReverse();
}

INSTANTIATE_TEST_SUITE_P(Streams, ThrowingStream,
                         testing::Values(TThrowCase{"Source", true}, TThrowCase{"Sink", false}),
                         [](const testing::TestParamInfo<TThrowCase>& Info) { return std::string(Info.param.Name); });

// Whichever table cannot be obtained, and however the memory service fails, the same error.
TEST_F(Tables, AnyFailedAllocationRaisesTheDictionaryError) {
    for (bool throws : {false, true}) {
        for (int failing = 0; failing < 4; ++failing) {
            SCOPED_TRACE(testing::Message() << "table " << failing << (throws ? " (throws)" : ""));
            Memory = TMemoryLog{};
            Memory.FailGet = failing;
            Memory.GetThrows = throws;
            ResetTestStreams({0xE6, 0x80});
            try {
                LzhUnpack(1, TestSource, TestSink);
                ADD_FAILURE() << "no exception";
            } catch (const ElzhException& e) {
                EXPECT_EQ(e.Message(), "LZH : Cannot get memory for dictionary tables");
                EXPECT_STREQ(e.ClassName(), "ElzhException");
                EXPECT_NE(e.Address(), nullptr);
            }
            EXPECT_EQ(Memory.Obtained.size(), static_cast<size_t>(failing + 1));  // stopped there
            EXPECT_EQ(TestStreams.SourceCalls, 0u);
            EXPECT_TRUE(TestStreams.Output.empty());
            ExpectAllReleasedInReverse();  // the ones already obtained are given back
        }
    }
}

TEST_F(Tables, AFailedReleaseRaisesTheFreeingError) {
    for (int failing = 0; failing < 4; ++failing) {
        SCOPED_TRACE(failing);
        Memory = TMemoryLog{};
        Memory.FailFree = failing;
        try {
            UnpackBytes({0xE6, 0x80}, 1);
            ADD_FAILURE() << "no exception";
        } catch (const ElzhException& e) {
            EXPECT_EQ(e.Message(), "LZH : Error freeing memory for dictionary tables");
        }
        EXPECT_EQ(TestStreams.Output, std::vector<uint8_t>{'A'});
        ExpectAllReleasedInReverse();  // the others are still given back
    }
}

TEST_F(Tables, AFailedReleaseReplacesTheExceptionInFlight) {
    Memory.FailFree = 0;
    ResetTestStreams({});
    TestStreams.OnSink = [] { throw std::runtime_error("sink failed"); };
    try {
        LzhUnpack(10, TestSource, TestSink);
        ADD_FAILURE() << "no exception";
    } catch (const ElzhException& e) {
        EXPECT_EQ(e.Message(), "LZH : Error freeing memory for dictionary tables");
    } catch (const std::runtime_error&) {
        ADD_FAILURE() << "the sink's exception was not replaced";
    }
    EXPECT_FALSE(LzhTablesHeld());
}

TEST_F(Tables, AnUnpackAfterAFailureWorks) {
    Memory.FailGet = 2;
    EXPECT_THROW(UnpackBytes({0xE6, 0x80}, 1), ElzhException);
    Memory = TMemoryLog{};
    EXPECT_EQ(UnpackBytes({0xE6, 0x80}, 1), std::vector<uint8_t>{'A'});
    ExpectAllReleasedInReverse();
}

}  // namespace
