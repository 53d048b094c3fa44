// The registered type library as a client reads it back: its name, version
// and help texts, the six type infos in order, the dual interfaces, and the
// hidden members.
#include "ComTestSupport.h"
#include "windows/CLCWinText.h"
#include <oleauto.h>

namespace {

struct STypeInfo {
    const char* szName;
    TYPEKIND kind;
    const char* szHelp;
};

// Dual interfaces read back as dispatch interfaces.
const STypeInfo kTypeInfos[] = {
    {"CLCCsvConvDataCbC", TKIND_COCLASS, "CLCCsvConvDataCbC Class"},
    {"CLICsvConvDataCbC", TKIND_DISPATCH, "CLICsvConvDataCbC \xE3\x82\xA4\xE3\x83\xB3\xE3\x82\xBF\xE3\x83\xBC\xE3\x83\x95\xE3\x82\xA7\xE3\x82\xA4\xE3\x82\xB9"},
    {"CLCCsvConvResultCbC", TKIND_COCLASS, "CLCCsvConvResultCbC Class"},
    {"CLICsvConvResultCbC", TKIND_DISPATCH, "CLICsvConvResultCbC \xE3\x82\xA4\xE3\x83\xB3\xE3\x82\xBF\xE3\x83\xBC\xE3\x83\x95\xE3\x82\xA7\xE3\x82\xA4\xE3\x82\xB9"},
    {"CLCCsvConvResultGIR", TKIND_COCLASS, "CLCCsvConvResultGIR Class"},
    {"CLICsvConvResultGIR", TKIND_DISPATCH, "CLICsvConvResultGIR \xE3\x82\xA4\xE3\x83\xB3\xE3\x82\xBF\xE3\x83\xBC\xE3\x83\x95\xE3\x82\xA7\xE3\x82\xA4\xE3\x82\xB9"},
};

struct SDoc {
    std::string strName;
    std::string strHelp;
};

// The library stores its help texts in code page 932; a reader whose ANSI
// code page is another one (wine's here) widens the same bytes through that
// page. Narrowed back through it they are the stored bytes again.
std::string StoredText(const CLCBstr& b)
{
    if (GetACP() == 932 || b.Get() == nullptr)
        return b.Utf8();
    const std::wstring wstr(b.Get(), SysStringLen(b.Get()));
    std::string strStored;
    const int nBytes = WideCharToMultiByte(CP_ACP, 0, wstr.data(), static_cast<int>(wstr.size()), nullptr, 0, nullptr, nullptr);
    strStored.resize(static_cast<std::size_t>(nBytes));
    WideCharToMultiByte(CP_ACP, 0, wstr.data(), static_cast<int>(wstr.size()), strStored.data(), nBytes, nullptr, nullptr);
    std::wstring wstrText;
    std::string strUtf8;
    if (!CLCWinText::StringToWString(strStored, wstrText) || !CLCWinText::WideToUtf8(wstrText, strUtf8))
        return "(not code page 932)";
    return strUtf8;
}

template <typename T>
SDoc Documentation(T* p, INT nIndexOrId)
{
    CLCBstr name;
    CLCBstr help;
    if (FAILED(p->GetDocumentation(nIndexOrId, name.Put(), help.Put(), nullptr, nullptr)))
        return {"(failed)", "(failed)"};
    return {name.Utf8(), StoredText(help)};
}

// The library's own locale, under which registration files it.
constexpr LCID kEnglishUS = 1033;

CLCComPtr<ITypeLib> RegisteredTypeLib()
{
    CLCComPtr<ITypeLib> pTypeLib;
    CHECK_EQ(LoadRegTypeLib(LIBID_TesvantLib, 1, 0, kEnglishUS, pTypeLib.Put()), S_OK);
    return pTypeLib;
}

// The interface's member flags by name: FUNCFLAG_FHIDDEN and the like.
WORD FuncFlags(ITypeInfo* pInfo, const wchar_t* wszName, INVOKEKIND kind)
{
    LPOLESTR pName = const_cast<LPOLESTR>(wszName);
    MEMBERID memid = MEMBERID_NIL;
    if (FAILED(pInfo->GetIDsOfNames(&pName, 1, &memid)))
        return 0xFFFF;
    TYPEATTR* pAttr = nullptr;
    if (FAILED(pInfo->GetTypeAttr(&pAttr)))
        return 0xFFFF;
    WORD wFlags = 0xFFFF;
    for (UINT i = 0; i < pAttr->cFuncs; ++i) {
        FUNCDESC* pFunc = nullptr;
        if (FAILED(pInfo->GetFuncDesc(i, &pFunc)))
            continue;
        if (pFunc->memid == memid && pFunc->invkind == kind)
            wFlags = pFunc->wFuncFlags;
        pInfo->ReleaseFuncDesc(pFunc);
    }
    pInfo->ReleaseTypeAttr(pAttr);
    return wFlags;
}

} // namespace

COM_TEST(TypeLibraryNamesItselfAndItsSixTypes)
{
    CLCComPtr<ITypeLib> pTypeLib = RegisteredTypeLib();
    if (!pTypeLib)
        return;
    const SDoc lib = Documentation(pTypeLib.Get(), -1);
    CHECK_EQ(lib.strName, std::string("TesvantLib"));
    CHECK_EQ(lib.strHelp, std::string("Tesvant 1.0 \xE3\x82\xBF\xE3\x82\xA4\xE3\x83\x97 \xE3\x83\xA9\xE3\x82\xA4\xE3\x83\x96\xE3\x83\xA9\xE3\x83\xAA"));
    TLIBATTR* pLibAttr = nullptr;
    CHECK_EQ(pTypeLib->GetLibAttr(&pLibAttr), S_OK);
    if (pLibAttr != nullptr) {
        CHECK_EQ(pLibAttr->wMajorVerNum, WORD(1));
        CHECK_EQ(pLibAttr->wMinorVerNum, WORD(0));
        CHECK_EQ(pLibAttr->lcid, LCID(1033));
        pTypeLib->ReleaseTLibAttr(pLibAttr);
    }
    CHECK_EQ(pTypeLib->GetTypeInfoCount(), UINT(std::size(kTypeInfos)));
    for (UINT i = 0; i < std::size(kTypeInfos) && i < pTypeLib->GetTypeInfoCount(); ++i) {
        const SDoc doc = Documentation(pTypeLib.Get(), static_cast<INT>(i));
        CHECK_EQ(doc.strName, std::string(kTypeInfos[i].szName));
        CHECK_EQ(doc.strHelp, std::string(kTypeInfos[i].szHelp));
        TYPEKIND kind = TKIND_MAX;
        CHECK_EQ(pTypeLib->GetTypeInfoType(i, &kind), S_OK);
        CHECK_EQ(int(kind), int(kTypeInfos[i].kind));
    }
}

COM_TEST(InterfacesAreDualWithHiddenMembersAndHelpTexts)
{
    CLCComPtr<ITypeLib> pTypeLib = RegisteredTypeLib();
    if (!pTypeLib)
        return;
    const IID* kInterfaces[] = {&IID_CLICsvConvDataCbC, &IID_CLICsvConvResultCbC, &IID_CLICsvConvResultGIR};
    for (const IID* pIid : kInterfaces) {
        CLCComPtr<ITypeInfo> pInfo;
        CHECK_EQ(pTypeLib->GetTypeInfoOfGuid(*pIid, pInfo.Put()), S_OK);
        if (!pInfo)
            continue;
        TYPEATTR* pAttr = nullptr;
        CHECK_EQ(pInfo->GetTypeAttr(&pAttr), S_OK);
        if (pAttr == nullptr)
            continue;
        // The dispatch side of a dual interface; its vtable side is the oleautomation one.
        const WORD wWanted = TYPEFLAG_FDUAL | TYPEFLAG_FNONEXTENSIBLE | TYPEFLAG_FDISPATCHABLE;
        CHECK_EQ(pAttr->wTypeFlags & wWanted, int(wWanted));
        pInfo->ReleaseTypeAttr(pAttr);
        HREFTYPE hRef = 0;
        CLCComPtr<ITypeInfo> pVtable;
        CHECK_EQ(pInfo->GetRefTypeOfImplType(-1, &hRef), S_OK);
        CHECK_EQ(pInfo->GetRefTypeInfo(hRef, pVtable.Put()), S_OK);
        if (!pVtable || FAILED(pVtable->GetTypeAttr(&pAttr)))
            continue;
        CHECK_EQ(int(pAttr->typekind), int(TKIND_INTERFACE));
        CHECK_EQ(pAttr->wTypeFlags & (wWanted | TYPEFLAG_FOLEAUTOMATION), int(wWanted | TYPEFLAG_FOLEAUTOMATION));
        pVtable->ReleaseTypeAttr(pAttr);
    }

    CLCComPtr<ITypeInfo> pApi;
    CLCComPtr<ITypeInfo> pCbC;
    CHECK_EQ(pTypeLib->GetTypeInfoOfGuid(IID_CLICsvConvDataCbC, pApi.Put()), S_OK);
    CHECK_EQ(pTypeLib->GetTypeInfoOfGuid(IID_CLICsvConvResultCbC, pCbC.Put()), S_OK);
    if (!pApi || !pCbC)
        return;
    CHECK_EQ(FuncFlags(pApi.Get(), L"ReadXMLFile", INVOKE_FUNC) & FUNCFLAG_FHIDDEN, int(FUNCFLAG_FHIDDEN));
    CHECK_EQ(FuncFlags(pApi.Get(), L"ReadFile", INVOKE_FUNC) & FUNCFLAG_FHIDDEN, 0);
    CHECK_EQ(FuncFlags(pCbC.Get(), L"XMLData", INVOKE_PROPERTYGET) & FUNCFLAG_FHIDDEN, int(FUNCFLAG_FHIDDEN));
    CHECK_EQ(FuncFlags(pCbC.Get(), L"XMLData", INVOKE_PROPERTYPUT) & FUNCFLAG_FHIDDEN, int(FUNCFLAG_FHIDDEN));
    CHECK_EQ(FuncFlags(pCbC.Get(), L"CsvData", INVOKE_PROPERTYGET) & FUNCFLAG_FHIDDEN, 0);

    // "メソッド " and "プロパティ " before the member's name.
    const SDoc method = Documentation(pApi.Get(), 17);
    CHECK_EQ(method.strName, std::string("CbCCsvWrite"));
    CHECK_EQ(method.strHelp, std::string("\xE3\x83\xA1\xE3\x82\xBD\xE3\x83\x83\xE3\x83\x89 CbCCsvWrite"));
    const SDoc property = Documentation(pCbC.Get(), 9);
    CHECK_EQ(property.strName, std::string("CsvData"));
    CHECK_EQ(property.strHelp, std::string("\xE3\x83\x97\xE3\x83\xAD\xE3\x83\x91\xE3\x83\x86\xE3\x82\xA3 CsvData"));
}
