#include "WideFormat.h"

#include "BasisHeap.h"
#include "Text.h"

#include <string.h>

namespace {

// Text that grows as it is written; it remembers a failed growth so that the
// caller can refuse the whole result instead of a part of it.
class TextBuilder {
public:
    TextBuilder() = default;
    ~TextBuilder() { Basis::v_Free(pu_Data); }
    TextBuilder(const TextBuilder&) = delete;
    TextBuilder& operator=(const TextBuilder&) = delete;

    bool b_Failed() const { return b_OutOfMemory; }
    const wchar_t* pcu_Get() const { return pu_Data; }
    unsigned n_GetLength() const { return n_Length; }

    void v_Put(const wchar_t* text, unsigned length)
    {
        if (b_Reserve(length)) {
            memcpy(pu_Data + n_Length, text, length * sizeof(wchar_t));
            n_Length += length;
        }
    }

    void v_PutBytes(const char* text, unsigned length)
    {
        if (b_Reserve(length))
            for (unsigned i = 0; i < length; ++i)
                pu_Data[n_Length++] = static_cast<unsigned char>(text[i]);
    }

    void v_Pad(unsigned count, wchar_t unit)
    {
        if (b_Reserve(count))
            for (unsigned i = 0; i < count; ++i)
                pu_Data[n_Length++] = unit;
    }

private:
    bool b_Reserve(unsigned more)
    {
        if (b_OutOfMemory)
            return false;
        if (more <= n_Capacity - n_Length)
            return true;
        if (more > 0x3FFFFFFF - n_Length) {
            b_OutOfMemory = true;
            return false;
        }
        unsigned capacity = n_Capacity < 64 ? 64 : n_Capacity;
        while (capacity - n_Length < more)
            capacity = capacity > 0x1FFFFFFF ? 0x3FFFFFFF : capacity * 2;
        auto* data = static_cast<wchar_t*>(Basis::pv_AllocateArray(capacity, sizeof(wchar_t)));
        if (!data) {
            b_OutOfMemory = true;
            return false;
        }
        if (n_Length)
            memcpy(data, pu_Data, n_Length * sizeof(wchar_t));
        Basis::v_Free(pu_Data);
        pu_Data = data;
        n_Capacity = capacity;
        return true;
    }

    wchar_t* pu_Data = nullptr;
    unsigned n_Length = 0;
    unsigned n_Capacity = 0;
    bool b_OutOfMemory = false;
};

// va_list travels by reference through the helpers in a wrapper.
struct st_Arguments {
    va_list list;
};

enum et_Size { ez_Normal, ez_Char, ez_Short, ez_Long, ez_LongLong };

struct st_Conversion {
    bool b_Left = false, b_Plus = false, b_Space = false, b_Zero = false, b_Alternate = false;
    unsigned n_Width = 0;
    int i_Precision = -1;   // none
    et_Size e_Size = ez_Normal;
    wchar_t u_Type = 0;
};

class Formatter {
public:
    Formatter(TextBuilder& text, const wchar_t* format, unsigned length, st_Arguments& args)
        : ro_Text(text), pcu_Format(format), n_FormatLength(length), ro_Args(args)
    {
    }

    void v_Run()
    {
        while (n_Position < n_FormatLength) {
            const unsigned start = n_Position;
            while (n_Position < n_FormatLength && pcu_Format[n_Position] != L'%')
                ++n_Position;
            ro_Text.v_Put(pcu_Format + start, n_Position - start);
            if (n_Position == n_FormatLength)
                return;
            if (!b_Convert()) {
                ro_Text.v_Put(pcu_Format + n_Position, n_FormatLength - n_Position);
                return;
            }
        }
    }

private:
    wchar_t u_Peek(unsigned ahead = 0) const
    {
        return n_Position + ahead < n_FormatLength ? pcu_Format[n_Position + ahead] : 0;
    }

    unsigned n_ReadNumber()
    {
        unsigned value = 0;
        while (u_Peek() >= L'0' && u_Peek() <= L'9') {
            const unsigned digit = u_Peek() - L'0';
            value = value > (0x7FFFFFFF - digit) / 10 ? 0x7FFFFFFF : value * 10 + digit;
            ++n_Position;
        }
        return value;
    }

    // Reads one conversion at the '%'; false (position unchanged) when it is
    // not one this formatter knows.
    bool b_Convert()
    {
        const unsigned percent = n_Position++;
        st_Conversion conv;
        if (!b_ParseConversion(&conv)) {
            n_Position = percent;
            return false;
        }
        switch (conv.u_Type) {
        case L'%': ro_Text.v_Pad(1, L'%'); return true;
        case L'd': case L'i': v_PutSigned(conv); return true;
        case L'u': case L'o': case L'x': case L'X': v_PutUnsigned(conv); return true;
        case L'p': v_PutPointer(conv); return true;
        case L'c': case L'C': v_PutCharacter(conv); return true;
        case L's': case L'S': v_PutText(conv); return true;
        default: n_Position = percent; return false;
        }
    }

    bool b_ParseConversion(st_Conversion* conv)
    {
        for (;; ++n_Position) {
            const wchar_t flag = u_Peek();
            if (flag == L'-') conv->b_Left = true;
            else if (flag == L'+') conv->b_Plus = true;
            else if (flag == L' ') conv->b_Space = true;
            else if (flag == L'0') conv->b_Zero = true;
            else if (flag == L'#') conv->b_Alternate = true;
            else break;
        }
        if (u_Peek() == L'*') {
            ++n_Position;
            const int width = va_arg(ro_Args.list, int);
            if (width < 0)
                conv->b_Left = true;
            conv->n_Width = width < 0 ? 0u - static_cast<unsigned>(width) : static_cast<unsigned>(width);
        } else {
            conv->n_Width = n_ReadNumber();
        }
        if (u_Peek() == L'.') {
            ++n_Position;
            if (u_Peek() == L'*') {
                ++n_Position;
                const int precision = va_arg(ro_Args.list, int);
                conv->i_Precision = precision < 0 ? -1 : precision;
            } else {
                conv->i_Precision = static_cast<int>(n_ReadNumber());
            }
        }
        return b_ParseSize(conv);
    }

    bool b_ParseSize(st_Conversion* conv)
    {
        const wchar_t first = u_Peek();
        if (first == L'h') {
            ++n_Position;
            conv->e_Size = ez_Short;
            if (u_Peek() == L'h') {
                ++n_Position;
                conv->e_Size = ez_Char;
            }
        } else if (first == L'l') {
            ++n_Position;
            conv->e_Size = ez_Long;
            if (u_Peek() == L'l') {
                ++n_Position;
                conv->e_Size = ez_LongLong;
            }
        } else if (first == L'w' || first == L'z' || first == L't') {
            ++n_Position;
            conv->e_Size = first == L'w' ? ez_Long : ez_Normal;
        } else if (first == L'j') {
            ++n_Position;
            conv->e_Size = ez_LongLong;
        } else if (first == L'I') {
            ++n_Position;
            if (u_Peek() == L'6' && u_Peek(1) == L'4') {
                n_Position += 2;
                conv->e_Size = ez_LongLong;
            } else if (u_Peek() == L'3' && u_Peek(1) == L'2') {
                n_Position += 2;
            }
        }
        if (n_Position >= n_FormatLength)
            return false;
        conv->u_Type = pcu_Format[n_Position++];
        return true;
    }

    void v_PutSigned(const st_Conversion& conv)
    {
        long long value;
        if (conv.e_Size == ez_LongLong)
            value = va_arg(ro_Args.list, long long);
        else
            value = va_arg(ro_Args.list, int);
        if (conv.e_Size == ez_Short)
            value = static_cast<short>(value);
        else if (conv.e_Size == ez_Char)
            value = static_cast<signed char>(value);
        const bool negative = value < 0;
        const unsigned long long magnitude =
            negative ? 0ull - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
        const wchar_t sign = negative ? L'-' : conv.b_Plus ? L'+' : conv.b_Space ? L' ' : 0;
        v_PutNumber(conv, magnitude, 10, sign);
    }

    void v_PutUnsigned(const st_Conversion& conv)
    {
        unsigned long long value;
        if (conv.e_Size == ez_LongLong)
            value = va_arg(ro_Args.list, unsigned long long);
        else
            value = va_arg(ro_Args.list, unsigned);
        if (conv.e_Size == ez_Short)
            value = static_cast<unsigned short>(value);
        else if (conv.e_Size == ez_Char)
            value = static_cast<unsigned char>(value);
        const unsigned base = conv.u_Type == L'u' ? 10 : conv.u_Type == L'o' ? 8 : 16;
        v_PutNumber(conv, value, base, 0);
    }

    void v_PutPointer(st_Conversion conv)
    {
        const void* pointer = va_arg(ro_Args.list, void*);
        conv.u_Type = L'X';
        conv.i_Precision = 2 * sizeof(void*);
        conv.b_Alternate = false;
        v_PutNumber(conv, reinterpret_cast<ULONG_PTR>(pointer), 16, 0);
    }

    void v_PutNumber(const st_Conversion& conv, unsigned long long value, unsigned base, wchar_t sign)
    {
        wchar_t digits[24];
        unsigned count = 0;
        const wchar_t* symbols = conv.u_Type == L'X' ? L"0123456789ABCDEF" : L"0123456789abcdef";
        for (unsigned long long rest = value; rest; rest /= base)
            digits[sizeof digits / sizeof *digits - ++count] = symbols[rest % base];
        if (count == 0 && conv.i_Precision != 0)
            digits[sizeof digits / sizeof *digits - ++count] = L'0';

        wchar_t prefix[3];
        unsigned prefixLength = 0;
        if (sign)
            prefix[prefixLength++] = sign;
        if (conv.b_Alternate && base == 16 && value) {
            prefix[prefixLength++] = L'0';
            prefix[prefixLength++] = conv.u_Type;
        }
        unsigned zeros = conv.i_Precision > 0 && static_cast<unsigned>(conv.i_Precision) > count
                             ? static_cast<unsigned>(conv.i_Precision) - count
                             : 0;
        if (conv.b_Alternate && base == 8 && zeros == 0 &&
            (count == 0 || digits[sizeof digits / sizeof *digits - count] != L'0'))
            zeros = 1;
        unsigned total = prefixLength + zeros + count;
        unsigned padding = conv.n_Width > total ? conv.n_Width - total : 0;
        if (padding && conv.b_Zero && !conv.b_Left && conv.i_Precision < 0) {
            zeros += padding;
            padding = 0;
        }
        if (!conv.b_Left)
            ro_Text.v_Pad(padding, L' ');
        ro_Text.v_Put(prefix, prefixLength);
        ro_Text.v_Pad(zeros, L'0');
        ro_Text.v_Put(digits + sizeof digits / sizeof *digits - count, count);
        if (conv.b_Left)
            ro_Text.v_Pad(padding, L' ');
    }

    // %hc and %hs take 8-bit units, %c, %lc, %s and %ls UTF-16; the capital
    // letters turn this round, as in the platform's wide formatting.
    static bool b_Narrow(const st_Conversion& conv)
    {
        const bool capital = conv.u_Type == L'C' || conv.u_Type == L'S';
        const bool shortSize = conv.e_Size == ez_Short || conv.e_Size == ez_Char;
        return capital ? conv.e_Size != ez_Long : shortSize;
    }

    void v_PutCharacter(const st_Conversion& conv)
    {
        const int value = va_arg(ro_Args.list, int);
        const wchar_t unit = b_Narrow(conv) ? static_cast<unsigned char>(value) : static_cast<wchar_t>(value);
        v_PutPadded(conv, 1, [&] { ro_Text.v_Put(&unit, 1); });
    }

    void v_PutText(const st_Conversion& conv)
    {
        const unsigned limit = conv.i_Precision < 0 ? Basis::kWholeText : static_cast<unsigned>(conv.i_Precision);
        if (b_Narrow(conv)) {
            const char* text = va_arg(ro_Args.list, const char*);
            if (!text)
                text = "(null)";
            const unsigned length = Basis::n_TextLength(text, limit);
            v_PutPadded(conv, length, [&] { ro_Text.v_PutBytes(text, length); });
        } else {
            const wchar_t* text = va_arg(ro_Args.list, const wchar_t*);
            if (!text)
                text = L"(null)";
            const unsigned length = Basis::n_TextLength(text, limit);
            v_PutPadded(conv, length, [&] { ro_Text.v_Put(text, length); });
        }
    }

    template <typename Put> void v_PutPadded(const st_Conversion& conv, unsigned length, Put put)
    {
        const unsigned padding = conv.n_Width > length ? conv.n_Width - length : 0;
        const wchar_t fill = conv.b_Zero && !conv.b_Left ? L'0' : L' ';
        if (!conv.b_Left)
            ro_Text.v_Pad(padding, fill);
        put();
        if (conv.b_Left)
            ro_Text.v_Pad(padding, L' ');
    }

    TextBuilder& ro_Text;
    const wchar_t* pcu_Format;
    unsigned n_FormatLength;
    st_Arguments& ro_Args;
    unsigned n_Position = 0;
};

} // namespace

bool Basis::b_FormatWide(CT_String* out, const wchar_t* format, unsigned length, va_list args)
{
    if (!out)
        return false;
    out->v_Set(nullptr, 0);
    if (!format)
        return true;
    TextBuilder text;
    st_Arguments arguments;
    va_copy(arguments.list, args);
    Formatter(text, format, n_TextLength(format, length), arguments).v_Run();
    va_end(arguments.list);
    if (text.b_Failed())
        return false;
    out->v_Set(text.pcu_Get(), text.n_GetLength());
    return out->vn_GetLength() == text.n_GetLength();
}

bool Basis::b_Format(CT_String* out, const wchar_t* format, ...)
{
    va_list args;
    va_start(args, format);
    const bool done = b_FormatWide(out, format, kWholeText, args);
    va_end(args);
    return done;
}
