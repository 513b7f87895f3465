#include "platform/win32/handles.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace tamsendor::win32 {
namespace {

// Per kind of owner: how to get a fresh handle from the system, and whether the system still
// knows it (so whether it has been closed).
struct KernelObject {
  using Owner = Handle;
  static HANDLE Make() { return CreateEventW(nullptr, TRUE, FALSE, nullptr); }
  static bool Open(HANDLE handle) {
    DWORD flags = 0;
    return GetHandleInformation(handle, &flags) != FALSE;
  }
};

struct OpenedKey {
  using Owner = RegistryKey;
  static HKEY Make() {
    HKEY key = nullptr;
    RegOpenKeyExW(HKEY_CURRENT_USER, L"Software", 0, KEY_READ, &key);
    return key;
  }
  static bool Open(HKEY key) {
    DWORD subKeys = 0;
    return RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr, nullptr,
                            nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
  }
};

struct Pen {
  using Owner = GdiObject<HPEN>;
  static HPEN Make() { return CreatePen(PS_SOLID, 1, RGB(1, 2, 3)); }
  static bool Open(HPEN pen) { return GetObjectType(pen) == OBJ_PEN; }
};

struct MemoryContext {
  using Owner = MemoryDc;
  static HDC Make() { return CreateCompatibleDC(nullptr); }
  static bool Open(HDC dc) { return GetObjectType(dc) == OBJ_MEMDC; }
};

template <typename Kind>
class OwnedHandleTest : public ::testing::Test {
 protected:
  using Owner = typename Kind::Owner;
  using Type = typename Owner::Type;

  Type Fresh() {
    const Type handle = Kind::Make();
    EXPECT_TRUE(Kind::Open(handle)) << "the system gave no handle to test with";
    return handle;
  }
};

using Kinds = ::testing::Types<KernelObject, OpenedKey, Pen, MemoryContext>;
TYPED_TEST_SUITE(OwnedHandleTest, Kinds);

TYPED_TEST(OwnedHandleTest, TheOwnerClosesItsHandleWhenItGoes) {
  const auto handle = this->Fresh();
  {
    const typename TestFixture::Owner owner(handle);
    EXPECT_TRUE(owner.valid());
    EXPECT_EQ(owner.get(), handle);
    EXPECT_TRUE(TypeParam::Open(handle));
  }
  EXPECT_FALSE(TypeParam::Open(handle));
}

TYPED_TEST(OwnedHandleTest, AMovedFromOwnerClosesNothing) {
  const auto handle = this->Fresh();
  {
    typename TestFixture::Owner taker;
    {
      typename TestFixture::Owner first(handle);
      typename TestFixture::Owner second(std::move(first));
      EXPECT_FALSE(first.valid());  // NOLINT(bugprone-use-after-move): that is the point
      taker = std::move(second);
    }
    EXPECT_TRUE(TypeParam::Open(handle)) << "a moved-from owner closed the handle";
    EXPECT_EQ(taker.get(), handle);
  }
  EXPECT_FALSE(TypeParam::Open(handle)) << "the last owner did not close it";
}

TYPED_TEST(OwnedHandleTest, TakingAnotherHandleClosesTheOneHeld) {
  const auto replacedByMove = this->Fresh();
  const auto replacedByReset = this->Fresh();
  const auto replacedByReceive = this->Fresh();
  const auto kept = this->Fresh();

  typename TestFixture::Owner owner(replacedByMove);
  owner = typename TestFixture::Owner(replacedByReset);
  EXPECT_FALSE(TypeParam::Open(replacedByMove));

  owner.reset(replacedByReceive);
  EXPECT_FALSE(TypeParam::Open(replacedByReset));

  *owner.receive() = kept;
  EXPECT_FALSE(TypeParam::Open(replacedByReceive));
  EXPECT_TRUE(TypeParam::Open(kept));

  owner.reset();
  EXPECT_FALSE(owner.valid());
  EXPECT_FALSE(TypeParam::Open(kept));
}

TYPED_TEST(OwnedHandleTest, AReleasedHandleStaysOpenForTheCaller) {
  const auto handle = this->Fresh();
  {
    typename TestFixture::Owner owner(handle);
    EXPECT_EQ(owner.release(), handle);
    EXPECT_FALSE(owner.valid());
  }
  EXPECT_TRUE(TypeParam::Open(handle));
  typename TestFixture::Owner(handle).reset();
  EXPECT_FALSE(TypeParam::Open(handle));
}

// Each opening call's own way of saying it failed leaves the owner holding nothing.
TEST(OwnedHandleOpeningTest, FailedOpeningsHoldNothing) {
  const wchar_t* missing = L"C:\\no such folder of ours\\no such file";
  EXPECT_FALSE(Handle(CreateFileW(missing, GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr))
                   .valid());
  EXPECT_FALSE(Handle(OpenProcess(SYNCHRONIZE, FALSE, 0xFFFFFFF0)).valid());
  WIN32_FIND_DATAW found;
  EXPECT_FALSE(FindHandle(FindFirstFileW(missing, &found)).valid());
  RegistryKey key;
  EXPECT_NE(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\no such key of ours", 0, KEY_READ,
                          key.receive()),
            ERROR_SUCCESS);
  EXPECT_FALSE(key.valid());
}

TEST(OwnedHandleOpeningTest, AListingMovesWithItsOwner) {
  wchar_t folder[MAX_PATH] = {};
  ASSERT_NE(GetSystemDirectoryW(folder, MAX_PATH), 0u);
  WIN32_FIND_DATAW found;
  FindHandle listing(FindFirstFileW((std::wstring(folder) + L"\\*").c_str(), &found));
  ASSERT_TRUE(listing.valid());
  EXPECT_TRUE(FindNextFileW(listing.get(), &found));
  FindHandle taker(std::move(listing));
  EXPECT_FALSE(listing.valid());  // NOLINT(bugprone-use-after-move): that is the point
  EXPECT_TRUE(FindNextFileW(taker.get(), &found));
}

}  // namespace
}  // namespace tamsendor::win32
