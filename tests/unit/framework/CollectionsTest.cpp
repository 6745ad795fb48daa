#include "CMapStringToPtr.h"
#include "CMapStringToString.h"
#include "CMapWordToPtr.h"
#include "CPtrArray.h"
#include "CPtrList.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace
{
std::string Text(const CString& str)
{
    return std::string(static_cast<const char*>(str), static_cast<size_t>(str.GetLength()));
}

// The keys in the order a walk visits them.
template <class MAP, class KEY, class VALUE>
std::vector<KEY> WalkKeys(const MAP& map)
{
    std::vector<KEY> keys;
    KEY key;
    VALUE value;
    for (POSITION pos = map.GetStartPosition(); pos != nullptr;)
    {
        map.GetNextAssoc(pos, key, value);
        keys.push_back(key);
    }
    return keys;
}

std::vector<std::string> WalkKeys(const CMapStringToString& map)
{
    std::vector<std::string> keys;
    for (const CString& strKey : WalkKeys<CMapStringToString, CString, CString>(map))
        keys.push_back(Text(strKey));
    return keys;
}

std::vector<void*> Elements(const CPtrList& list)
{
    std::vector<void*> elements;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        elements.push_back(list.GetNext(pos));
    return elements;
}

int g_anItems[8];
void* Item(int n)
{
    return &g_anItems[n];
}
}

TEST(CollectionsTest, StringMapsWalkInByteWiseKeyOrder)
{
    CMapStringToString map;
    CMapStringToPtr mapPtr;
    for (const char* pszKey : { "b", "\x80", "ab", "B", "", "a", "a\x01" })
    {
        map[pszKey] = CString("value of ") + pszKey;
        mapPtr.SetAt(pszKey, Item(0));
    }
    const std::vector<std::string> expected{ "", "B", "a", "a\x01", "ab", "b", "\x80" };
    EXPECT_EQ(expected, WalkKeys(map));
    std::vector<std::string> keysPtr;
    for (const CString& strKey : WalkKeys<CMapStringToPtr, CString, void*>(mapPtr))
        keysPtr.push_back(Text(strKey));
    EXPECT_EQ(expected, keysPtr);

    CString strValue;
    ASSERT_TRUE(map.Lookup("ab", strValue));
    EXPECT_EQ("value of ab", Text(strValue));
}

TEST(CollectionsTest, WordMapWalksInNumericKeyOrder)
{
    CMapWordToPtr map;
    for (int nKey : { 0xFFFE, 3, 0, 0xFFFF, 256, -4 })
        map.SetAt(static_cast<WORD>(nKey), Item(nKey & 7));
    EXPECT_EQ((std::vector<WORD>{ 0, 3, 256, 0xFFFC, 0xFFFE, 0xFFFF }),
              (WalkKeys<CMapWordToPtr, WORD, void*>(map)));
    void* pValue = nullptr;
    ASSERT_TRUE(map.Lookup(static_cast<WORD>(-4), pValue));
    EXPECT_EQ(Item(4), pValue);
}

TEST(CollectionsTest, MapsLookUpReplaceAndRemoveCaseSensitiveKeys)
{
    CMapStringToString map;
    EXPECT_TRUE(map.IsEmpty());
    EXPECT_EQ(nullptr, map.GetStartPosition());
    map.SetAt("Key", "upper");
    map.SetAt("key", "lower");
    map.SetAt(CString("k\0y", 3), "nul");
    map.SetAt("key", "replaced");
    EXPECT_EQ(3, map.GetCount());

    CString strValue("untouched");
    EXPECT_FALSE(map.Lookup("KEY", strValue));
    EXPECT_FALSE(map.Lookup("k", strValue));
    EXPECT_EQ("untouched", Text(strValue));
    ASSERT_TRUE(map.Lookup("Key", strValue));
    EXPECT_EQ("upper", Text(strValue));
    ASSERT_TRUE(map.Lookup("key", strValue));
    EXPECT_EQ("replaced", Text(strValue));

    // operator[] adds a missing key with an empty value.
    EXPECT_TRUE(map["new"].IsEmpty());
    EXPECT_EQ(4, map.GetCount());

    EXPECT_TRUE(map.RemoveKey("Key"));
    EXPECT_FALSE(map.RemoveKey("Key"));
    EXPECT_FALSE(map.Lookup("Key", strValue));
    EXPECT_EQ(3, map.GetCount());
    map.RemoveAll();
    EXPECT_TRUE(map.IsEmpty());

    CMapStringToPtr mapPtr;
    EXPECT_EQ(nullptr, mapPtr["missing"]);
    CMapWordToPtr mapWord;
    EXPECT_EQ(nullptr, mapWord[7]);
    EXPECT_TRUE(ThrowsKindOf(RUNTIME_CLASS(CNotSupportedException), [&] {
        POSITION pos = nullptr;
        WORD wKey;
        void* pValue;
        mapWord.GetNextAssoc(pos, wKey, pValue);
    }));
}

TEST(CollectionsTest, RemovingTheEntryJustReturnedKeepsTheWalkGoing)
{
    struct Case
    {
        const char* pszName;
        std::function<bool(WORD)> removeIt;
        std::vector<WORD> remaining;
    };
    const Case cases[] = {
        { "every entry", [](WORD) { return true; }, {} },
        { "odd keys", [](WORD wKey) { return wKey % 2 == 1; }, { 2, 4, 6 } },
        { "first and last", [](WORD wKey) { return wKey == 1 || wKey == 7; }, { 2, 3, 4, 5, 6 } },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.pszName);
        CMapWordToPtr map;
        for (WORD wKey : { 5, 1, 7, 3, 2, 6, 4 })
            map[wKey] = Item(wKey);
        std::vector<WORD> visited;
        WORD wKey;
        void* pValue;
        for (POSITION pos = map.GetStartPosition(); pos != nullptr;)
        {
            map.GetNextAssoc(pos, wKey, pValue);
            EXPECT_EQ(Item(wKey), pValue);
            visited.push_back(wKey);
            if (c.removeIt(wKey))
                map.RemoveKey(wKey);
        }
        EXPECT_EQ((std::vector<WORD>{ 1, 2, 3, 4, 5, 6, 7 }), visited);
        EXPECT_EQ(c.remaining, (WalkKeys<CMapWordToPtr, WORD, void*>(map)));
    }

    CMapStringToString mapText;
    for (const char* pszKey : { "c", "a", "b" })
        mapText[pszKey] = pszKey;
    CString strKey;
    CString strValue;
    std::string strVisited;
    for (POSITION pos = mapText.GetStartPosition(); pos != nullptr;)
    {
        mapText.GetNextAssoc(pos, strKey, strValue);
        strVisited += Text(strValue);
        mapText.RemoveKey(strKey);
    }
    EXPECT_EQ("abc", strVisited);
    EXPECT_TRUE(mapText.IsEmpty());
}

TEST(CollectionsTest, CollectionsKnowTheirRunTimeClass)
{
    CMapStringToString mapString;
    CMapStringToPtr mapPtr;
    CMapWordToPtr mapWord;
    CPtrArray array;
    CPtrList list;
    const std::pair<const CObject*, const char*> cases[] = {
        { &mapString, "CMapStringToString" }, { &mapPtr, "CMapStringToPtr" }, { &mapWord, "CMapWordToPtr" },
        { &array, "CPtrArray" },              { &list, "CPtrList" },
    };
    for (const auto& c : cases)
    {
        EXPECT_STREQ(c.second, c.first->GetRuntimeClass()->m_lpszClassName);
        EXPECT_TRUE(c.first->IsKindOf(RUNTIME_CLASS(CObject)));
    }
    EXPECT_FALSE(mapPtr.IsKindOf(RUNTIME_CLASS(CMapStringToString)));
}

TEST(CollectionsTest, ArrayAddsInsertsAndRemovesInIndexOrder)
{
    CPtrArray array;
    EXPECT_EQ(nullptr, array.GetData());
    EXPECT_EQ(-1, array.GetUpperBound());
    EXPECT_EQ(0, array.Add(Item(0)));
    EXPECT_EQ(1, array.Add(Item(1)));
    array.InsertAt(1, Item(2), 2);  // 0 2 2 1
    array.InsertAt(6, Item(3));     // 0 2 2 1 - - 3
    const std::vector<void*> inserted{ Item(0), Item(2), Item(2), Item(1), nullptr, nullptr, Item(3) };
    ASSERT_EQ(7, array.GetSize());
    EXPECT_EQ(inserted, std::vector<void*>(array.GetData(), array.GetData() + array.GetSize()));

    array.RemoveAt(1, 3);  // 0 - - 3
    array[1] = Item(4);
    array.ElementAt(2) = Item(5);
    array.SetAt(3, Item(6));
    const CPtrArray& constArray = array;
    EXPECT_EQ((std::vector<void*>{ Item(0), Item(4), Item(5), Item(6) }),
              (std::vector<void*>{ constArray[0], constArray.GetAt(1), constArray[2], constArray[3] }));

    array.SetSize(6);
    EXPECT_EQ(nullptr, array[5]);
    array.SetSize(1);
    EXPECT_EQ(0, array.GetUpperBound());
    array.RemoveAll();
    EXPECT_EQ(0, array.GetSize());
}

TEST(CollectionsTest, ArrayRefusesIndexesOutsideIt)
{
    CPtrArray array;
    array.Add(Item(0));
    array.Add(Item(1));
    const std::pair<const char*, std::function<void()>> cases[] = {
        { "GetAt(-1)", [&] { array.GetAt(-1); } },
        { "GetAt(size)", [&] { array.GetAt(2); } },
        { "SetAt(size)", [&] { array.SetAt(2, Item(2)); } },
        { "ElementAt(-1)", [&] { array.ElementAt(-1); } },
        { "operator[](size)", [&] { array[2] = Item(2); } },
        { "RemoveAt past the end", [&] { array.RemoveAt(1, 2); } },
        { "RemoveAt(-1)", [&] { array.RemoveAt(-1); } },
        { "RemoveAt(0, -1)", [&] { array.RemoveAt(0, -1); } },
        { "InsertAt(-1)", [&] { array.InsertAt(-1, Item(2)); } },
        { "InsertAt(0, x, -1)", [&] { array.InsertAt(0, Item(2), -1); } },
        { "SetSize(-1)", [&] { array.SetSize(-1); } },
    };
    for (const auto& c : cases)
    {
        EXPECT_TRUE(ThrowsKindOf(RUNTIME_CLASS(CNotSupportedException), c.second)) << c.first;
        ASSERT_EQ(2, array.GetSize()) << c.first;
        EXPECT_EQ(Item(0), array[0]);
        EXPECT_EQ(Item(1), array[1]);
    }
}

TEST(CollectionsTest, ListKeepsPlacementOrderInBothDirections)
{
    CPtrList list;
    POSITION posMiddle = list.AddTail(Item(1));
    list.AddHead(Item(0));
    list.AddTail(Item(3));
    list.InsertAfter(posMiddle, Item(2));
    list.InsertBefore(list.GetHeadPosition(), Item(7));
    list.InsertBefore(nullptr, Item(6));
    list.InsertAfter(nullptr, Item(5));
    EXPECT_EQ((std::vector<void*>{ Item(6), Item(7), Item(0), Item(1), Item(2), Item(3), Item(5) }),
              Elements(list));
    EXPECT_EQ(7, list.GetCount());

    std::vector<void*> backwards;
    for (POSITION pos = list.GetTailPosition(); pos != nullptr;)
        backwards.push_back(list.GetPrev(pos));
    EXPECT_EQ((std::vector<void*>{ Item(5), Item(3), Item(2), Item(1), Item(0), Item(7), Item(6) }), backwards);

    EXPECT_EQ(Item(6), list.RemoveHead());
    EXPECT_EQ(Item(5), list.RemoveTail());
    EXPECT_EQ(Item(7), list.GetHead());
    EXPECT_EQ(Item(3), list.GetTail());
    list.GetHead() = Item(4);
    list.SetAt(posMiddle, Item(5));
    EXPECT_EQ((std::vector<void*>{ Item(4), Item(0), Item(5), Item(2), Item(3) }), Elements(list));
}

TEST(CollectionsTest, ListFindsByValueAndIndex)
{
    CPtrList list;
    for (int n : { 0, 1, 2, 1 })
        list.AddTail(Item(n));
    POSITION posFirst = list.Find(Item(1));
    ASSERT_NE(nullptr, posFirst);
    EXPECT_EQ(list.FindIndex(1), posFirst);
    POSITION posSecond = list.Find(Item(1), posFirst);
    EXPECT_EQ(list.FindIndex(3), posSecond);
    EXPECT_EQ(nullptr, list.Find(Item(1), posSecond));
    EXPECT_EQ(nullptr, list.Find(Item(5)));
    EXPECT_EQ(nullptr, list.FindIndex(4));
    EXPECT_EQ(nullptr, list.FindIndex(-1));
    EXPECT_EQ(Item(2), list.GetAt(list.FindIndex(2)));
}

TEST(CollectionsTest, ListElementsCanBeRemovedWhileWalking)
{
    CPtrList list;
    for (int n = 0; n < 6; n++)
        list.AddTail(Item(n));
    std::vector<void*> visited;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
    {
        POSITION posCurrent = pos;
        void* pItem = list.GetNext(pos);
        visited.push_back(pItem);
        if (pItem != Item(2))
            list.RemoveAt(posCurrent);
    }
    EXPECT_EQ(6u, visited.size());
    EXPECT_EQ(std::vector<void*>{ Item(2) }, Elements(list));
    EXPECT_EQ(list.GetHeadPosition(), list.GetTailPosition());
    list.RemoveAll();
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(nullptr, list.GetHeadPosition());
    EXPECT_EQ(nullptr, list.GetTailPosition());
}

TEST(CollectionsTest, ListRefusesMisuse)
{
    CPtrList list;
    const std::pair<const char*, std::function<void()>> cases[] = {
        { "GetHead", [&] { list.GetHead(); } },
        { "GetTail", [&] { list.GetTail(); } },
        { "RemoveHead", [&] { list.RemoveHead(); } },
        { "RemoveTail", [&] { list.RemoveTail(); } },
        { "GetNext(null)", [&] { POSITION pos = nullptr; list.GetNext(pos); } },
        { "GetPrev(null)", [&] { POSITION pos = nullptr; list.GetPrev(pos); } },
        { "GetAt(null)", [&] { list.GetAt(nullptr); } },
        { "SetAt(null)", [&] { list.SetAt(nullptr, Item(0)); } },
        { "RemoveAt(null)", [&] { list.RemoveAt(nullptr); } },
    };
    for (const auto& c : cases)
        EXPECT_TRUE(ThrowsKindOf(RUNTIME_CLASS(CNotSupportedException), c.second)) << c.first;
    EXPECT_TRUE(list.IsEmpty());
}
