// Starts qemu-user with waitid(P_PIDFD) answered "not known", so that Qt's
// QProcess in the emulated program starts its children with a plain fork.
// qemu-user 7.2 (Debian 12) rejects the clone with CLONE_PIDFD that Qt
// otherwise uses, and every QProcess of the arm64 tests would fail to start.
// The filter stays on every process started beneath, as QProcess's children.
#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <linux/audit.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <unistd.h>

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: qemu-no-pidfd QEMU [ARGUMENT]...\n");
        return 2;
    }
    constexpr unsigned pidfdKind = 3; // P_PIDFD, the first argument of waitid
    sock_filter filter[] = {
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, arch)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, AUDIT_ARCH_X86_64, 0, 4),
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, SYS_waitid, 0, 2),
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, args[0])),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, pidfdKind, 1, 0),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | EINVAL),
    };
    sock_fprog program = {sizeof filter / sizeof filter[0], filter};
    if (prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0
        || prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) != 0) {
        std::perror("qemu-no-pidfd");
        return 1;
    }
    execvp(argv[1], argv + 1);
    std::perror(argv[1]);
    return 127;
}
