#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "platform/hw/real_ports.h"

namespace brennix::hw {
namespace {

TEST(RealPorts, AFailedGrantNeverFaultsAndIsVisible) {
    RealPortBackend ports("/nonexistent/brennix/port");
    EXPECT_FALSE(ports.portsAccessible());
    EXPECT_NE(ports.grantError().find("/nonexistent/brennix/port"), std::string::npos);
    EXPECT_NE(ports.grantError().find("No such file"), std::string::npos) << ports.grantError();
    EXPECT_EQ(ports.readByte(0x21), 0xFF);
    ports.writeByte(0x21, 0x00);
    EXPECT_EQ(ports.droppedAccesses(), 2U);
    EXPECT_EQ(ports.openDevice("\\\\.\\dio"), nullptr) << "no grant, no port-access device";
}

// A plain file stands in for the port file: its offsets are the ports.
TEST(RealPorts, PortNumbersAreOffsetsIntoThePortFile) {
    std::string path = ::testing::TempDir() + "/brennix-ports-XXXXXX";
    std::vector<char> name(path.begin(), path.end());
    name.push_back('\0');
    int fd = mkstemp(name.data());
    ASSERT_GE(fd, 0);
    std::vector<unsigned char> image(0x400, 0);
    image[0x300] = 0x5A;
    ASSERT_EQ(write(fd, image.data(), image.size()), static_cast<ssize_t>(image.size()));
    close(fd);

    {
        RealPortBackend ports(name.data());
        ASSERT_TRUE(ports.portsAccessible()) << ports.grantError();
        EXPECT_EQ(ports.readByte(0x300), 0x5A);
        ports.writeByte(0x21, 0xB8);
        EXPECT_EQ(ports.readByte(0x21), 0xB8);
        EXPECT_NE(ports.openDevice("\\\\.\\DIO"), nullptr);
        EXPECT_EQ(ports.openDevice("\\\\.\\BraxVexa"), nullptr) << "no acquisition device here";
        EXPECT_EQ(ports.droppedAccesses(), 0U);
        EXPECT_EQ(ports.readByte(0x8000), 0xFF) << "past the end of the file";
        EXPECT_EQ(ports.droppedAccesses(), 1U);
    }
    fd = open(name.data(), O_RDONLY);
    unsigned char byte = 0;
    ASSERT_EQ(pread(fd, &byte, 1, 0x21), 1);
    EXPECT_EQ(byte, 0xB8);
    close(fd);
    unlink(name.data());
}

}  // namespace
}  // namespace brennix::hw
