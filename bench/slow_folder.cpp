// SPDX-License-Identifier: GPL-3.0-or-later
// A folder as slow as a busy file server: mounts <source> at <mountpoint> through FUSE and makes
// every file operation wait the given number of milliseconds before passing it on. Attributes and
// names are never cached by the kernel, so each look-up pays too, as on a network file system
// that checks the server at every open.
//   slow_folder <source> <mountpoint> <milliseconds> [FUSE options, e.g. -f]
#define FUSE_USE_VERSION 35
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <fuse3/fuse.h>
#include <string>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

std::string g_source;
int g_delayMs = 100;

std::string real(const char* path) {
    return g_source + path;
}

int waitThen(int result) {
    std::this_thread::sleep_for(std::chrono::milliseconds(g_delayMs));
    return result < 0 ? -errno : result;
}

int slowGetattr(const char* path, struct stat* st, fuse_file_info* fi) {
    if (fi != nullptr)
        return waitThen(::fstat(int(fi->fh), st));
    return waitThen(::lstat(real(path).c_str(), st));
}

int slowReaddir(const char* path, void* buffer, fuse_fill_dir_t fill, off_t, fuse_file_info*,
                fuse_readdir_flags) {
    DIR* dir = ::opendir(real(path).c_str());
    if (dir == nullptr)
        return waitThen(-1);
    while (const dirent* entry = ::readdir(dir))
        fill(buffer, entry->d_name, nullptr, 0, fuse_fill_dir_flags{});
    ::closedir(dir);
    return waitThen(0);
}

int slowOpen(const char* path, fuse_file_info* fi) {
    const int fd = ::open(real(path).c_str(), fi->flags);
    fi->fh = std::uint64_t(fd);
    return waitThen(fd < 0 ? -1 : 0);
}

int slowCreate(const char* path, mode_t mode, fuse_file_info* fi) {
    const int fd = ::open(real(path).c_str(), fi->flags | O_CREAT, mode);
    fi->fh = std::uint64_t(fd);
    // The new file belongs to whoever made it, as on a server that maps accounts.
    if (fd >= 0) {
        const fuse_context* who = fuse_get_context();
        static_cast<void>(::fchown(fd, who->uid, who->gid));
    }
    return waitThen(fd < 0 ? -1 : 0);
}

int slowRead(const char*, char* buffer, size_t size, off_t offset, fuse_file_info* fi) {
    return waitThen(int(::pread(int(fi->fh), buffer, size, offset)));
}

int slowWrite(const char*, const char* buffer, size_t size, off_t offset, fuse_file_info* fi) {
    return waitThen(int(::pwrite(int(fi->fh), buffer, size, offset)));
}

int slowRelease(const char*, fuse_file_info* fi) {
    return waitThen(::close(int(fi->fh)));
}

int slowFsync(const char*, int, fuse_file_info* fi) {
    return waitThen(::fsync(int(fi->fh)));
}

int slowFlush(const char*, fuse_file_info*) {
    return waitThen(0);
}

int slowRename(const char* from, const char* to, unsigned int flags) {
    if (flags != 0)
        return waitThen(
            int(::renameat2(AT_FDCWD, real(from).c_str(), AT_FDCWD, real(to).c_str(), flags)));
    return waitThen(::rename(real(from).c_str(), real(to).c_str()));
}

int slowLink(const char* from, const char* to) {
    return waitThen(::link(real(from).c_str(), real(to).c_str()));
}

int slowUnlink(const char* path) {
    return waitThen(::unlink(real(path).c_str()));
}

int slowMkdir(const char* path, mode_t mode) {
    return waitThen(::mkdir(real(path).c_str(), mode));
}

int slowRmdir(const char* path) {
    return waitThen(::rmdir(real(path).c_str()));
}

int slowChmod(const char* path, mode_t mode, fuse_file_info*) {
    return waitThen(::chmod(real(path).c_str(), mode));
}

int slowChown(const char* path, uid_t uid, gid_t gid, fuse_file_info*) {
    return waitThen(::lchown(real(path).c_str(), uid, gid));
}

int slowTruncate(const char* path, off_t size, fuse_file_info* fi) {
    if (fi != nullptr)
        return waitThen(::ftruncate(int(fi->fh), size));
    return waitThen(::truncate(real(path).c_str(), size));
}

int slowUtimens(const char* path, const timespec times[2], fuse_file_info*) {
    return waitThen(::utimensat(AT_FDCWD, real(path).c_str(), times, AT_SYMLINK_NOFOLLOW));
}

int slowStatfs(const char* path, struct statvfs* st) {
    return waitThen(::statvfs(real(path).c_str(), st));
}

int slowAccess(const char* path, int mask) {
    return waitThen(::access(real(path).c_str(), mask));
}

void* slowInit(fuse_conn_info*, fuse_config* config) {
    config->entry_timeout = 0;
    config->attr_timeout = 0;
    config->negative_timeout = 0;
    config->use_ino = 1;
    return nullptr;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s <source> <mountpoint> <milliseconds> [FUSE options]\n",
                     argv[0]);
        return 2;
    }
    char* resolved = ::realpath(argv[1], nullptr);
    if (resolved == nullptr) {
        std::perror(argv[1]);
        return 2;
    }
    g_source = resolved;
    std::free(resolved);
    g_delayMs = std::atoi(argv[3]);

    fuse_operations ops{};
    ops.init = slowInit;
    ops.getattr = slowGetattr;
    ops.readdir = slowReaddir;
    ops.open = slowOpen;
    ops.create = slowCreate;
    ops.read = slowRead;
    ops.write = slowWrite;
    ops.release = slowRelease;
    ops.fsync = slowFsync;
    ops.flush = slowFlush;
    ops.rename = slowRename;
    ops.link = slowLink;
    ops.unlink = slowUnlink;
    ops.mkdir = slowMkdir;
    ops.rmdir = slowRmdir;
    ops.chmod = slowChmod;
    ops.chown = slowChown;
    ops.truncate = slowTruncate;
    ops.utimens = slowUtimens;
    ops.statfs = slowStatfs;
    ops.access = slowAccess;

    std::vector<char*> fuseArguments{argv[0], argv[2]};
    std::string options = "-odefault_permissions,allow_other";
    fuseArguments.push_back(options.data());
    for (int i = 4; i < argc; ++i)
        fuseArguments.push_back(argv[i]);
    return fuse_main(int(fuseArguments.size()), fuseArguments.data(), &ops, nullptr);
}
