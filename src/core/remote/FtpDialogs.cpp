#include "remote/FtpDialogs.h"

namespace htmlsim {

int DefaultPort(RemoteProtocol protocol) {
    switch (protocol) {
        case RemoteProtocol::Sftp:
            return 22;
        case RemoteProtocol::FtpImplicitTls:
            return 990;
        case RemoteProtocol::FtpExplicitTls:
        case RemoteProtocol::Ftp:
            break;
    }
    return 21;
}

const char* ProtocolName(RemoteProtocol protocol) {
    switch (protocol) {
        case RemoteProtocol::Sftp:
            return "SFTP";
        case RemoteProtocol::FtpExplicitTls:
        case RemoteProtocol::FtpImplicitTls:
            return "FTPS";
        case RemoteProtocol::Ftp:
            break;
    }
    return "FTP";
}

}  // namespace htmlsim
