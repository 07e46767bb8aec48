#include "editor/integration/outline_call.h"

// The guarded call is written in assembly: the compiler has no frame-based
// exception handling of its own on these targets, and only a frame laid out
// by hand can be resumed safely.  Both versions take (function, view, path,
// text, length, &window) and return 0, or the exception code after a fault.
extern "C" DWORD tv_call_outline_guarded(OutlineFunction function, HWND view, const char* path,
                                         HGLOBAL text, DWORD length, HWND* window);

#if defined(__i386__)

extern "C" void tv_outline_resume();

// A frame handler of the x86 exception chain.  The record it is given is our
// registration: previous record, handler, the guard's frame pointer.
extern "C" EXCEPTION_DISPOSITION __cdecl tv_outline_handler(EXCEPTION_RECORD* record, void* frame,
                                                            CONTEXT* context, void*)
{
    if (record->ExceptionFlags & (EXCEPTION_UNWINDING | EXCEPTION_EXIT_UNWIND))
        return ExceptionContinueSearch;
    // The library's own handlers above us run their unwinding first.
    RtlUnwind(frame, nullptr, record, nullptr);
    const DWORD* registration = static_cast<const DWORD*>(frame);
    context->Ebp = registration[2];
    context->Esp = reinterpret_cast<DWORD>(frame);
    context->Eip = reinterpret_cast<DWORD>(&tv_outline_resume);
    context->Eax = record->ExceptionCode;
    return ExceptionContinueExecution;
}

// ebp+8 function, +12 view, +16 path, +20 text, +24 length, +28 &window.
// The registration record lies at ebp-24: previous, handler, saved ebp.
asm(R"(
    .text
    .globl _tv_call_outline_guarded
    .globl _tv_outline_resume
_tv_call_outline_guarded:
    pushl %ebp
    movl %esp, %ebp
    pushl %ebx
    pushl %esi
    pushl %edi
    pushl %ebp
    pushl $_tv_outline_handler
    pushl %fs:0
    movl %esp, %fs:0
    pushl 24(%ebp)
    pushl 20(%ebp)
    pushl 16(%ebp)
    pushl 12(%ebp)
    call *8(%ebp)
    movl 28(%ebp), %ecx
    movl %eax, (%ecx)
    xorl %eax, %eax
_tv_outline_resume:
    movl -24(%ebp), %ecx
    movl %ecx, %fs:0
    leal -12(%ebp), %esp
    popl %edi
    popl %esi
    popl %ebx
    popl %ebp
    ret
)");

#elif defined(__x86_64__)

extern "C" void tv_outline_resume();

// The language handler of the guard's unwind data: unwind to the guard's
// frame and continue at its resume point with the exception code.
extern "C" EXCEPTION_DISPOSITION tv_outline_handler(EXCEPTION_RECORD* record, void* frame,
                                                    CONTEXT* context, void* dispatcher)
{
    if (record->ExceptionFlags & (EXCEPTION_UNWINDING | EXCEPTION_EXIT_UNWIND))
        return ExceptionContinueSearch;
    auto* dc = static_cast<DISPATCHER_CONTEXT*>(dispatcher);
    RtlUnwindEx(frame, reinterpret_cast<void*>(&tv_outline_resume), record,
                reinterpret_cast<void*>(static_cast<ULONG_PTR>(record->ExceptionCode)), context,
                dc->HistoryTable);
    return ExceptionContinueSearch; // not reached
}

// rcx function, rdx view, r8 path, r9 text, 16+32(%rbp) length, 16+40(%rbp) &window.
asm(R"(
    .text
    .globl tv_call_outline_guarded
    .globl tv_outline_resume
    .def tv_call_outline_guarded; .scl 2; .type 32; .endef
    .seh_proc tv_call_outline_guarded
tv_call_outline_guarded:
    pushq %rbp
    .seh_pushreg %rbp
    movq %rsp, %rbp
    .seh_setframe %rbp, 0
    subq $48, %rsp
    .seh_stackalloc 48
    .seh_endprologue
    .seh_handler tv_outline_handler, @except
    movq %rcx, %rax
    movq %rdx, %rcx
    movq %r8, %rdx
    movq %r9, %r8
    movl 48(%rbp), %r9d
    callq *%rax
    movq 56(%rbp), %rcx
    movq %rax, (%rcx)
    xorl %eax, %eax
tv_outline_resume:
    movq %rbp, %rsp
    popq %rbp
    ret
    .seh_endproc
)");

#endif

OutlineCallResult CallOutlineFunction(OutlineFunction function, HWND view, const char* path,
                                      HGLOBAL text, DWORD length)
{
    OutlineCallResult result;
    result.exceptionCode = tv_call_outline_guarded(function, view, path, text, length,
                                                   &result.window);
    if (result.exceptionCode)
        result.window = nullptr;
    return result;
}
