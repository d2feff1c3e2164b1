#ifndef ZAVEL_TESTS_WITHOUTFILEOVERRIDE_H
#define ZAVEL_TESTS_WITHOUTFILEOVERRIDE_H

// Root passes every permission check, so a test of read-only storage that runs as root (as CI does) drops
// the file-access override capabilities while it needs the permissions to bind.

#include <QtGlobal>

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

// Drops CAP_DAC_OVERRIDE and CAP_DAC_READ_SEARCH from the effective set for its lifetime.
class WithoutFileOverride
{
    Q_DISABLE_COPY(WithoutFileOverride)
public:
    WithoutFileOverride()
    {
        if (syscall(SYS_capget, &m_header, m_saved) != 0)
            return;
        __user_cap_data_struct reduced[2] = {m_saved[0], m_saved[1]};
        reduced[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        m_dropped = syscall(SYS_capset, &m_header, reduced) == 0;
    }
    ~WithoutFileOverride()
    {
        if (m_dropped)
            syscall(SYS_capset, &m_header, m_saved);
    }
    bool permissionsBind() const { return ::geteuid() != 0 || m_dropped; }

private:
    __user_cap_header_struct m_header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_saved[2]{};
    bool m_dropped = false;
};

#endif
