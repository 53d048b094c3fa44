#pragma once

// Base of the xerces-c parsers. The base versions do nothing and answer false.
class CLCXParser {
public:
    CLCXParser() = default;
    virtual ~CLCXParser() = default;
    virtual bool Initialize() { return false; }
    virtual void Terminate() {}
    virtual bool Parse(const char* /*szData*/, const char* /*szBufferId*/, const char* /*szEncoding*/) { return false; }

    CLCXParser(const CLCXParser&) = delete;
    CLCXParser& operator=(const CLCXParser&) = delete;
};
