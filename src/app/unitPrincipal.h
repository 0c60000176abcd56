#pragma once

#include "app/shell/shell.h"
#include "db/query.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>

class ClickLabel;
class QLabel;
class QLineEdit;
class QPushButton;
class QDialog;
class QTimer;
class QUrl;
class TfrmConfUsuario;
class TfrmLogin;
class PreviewOutput;

// The program's home screen: owns the shared connection's settings, the
// report folder, the shared queries and the entry points to every window.
class TfrmPrincipal : public QMainWindow, public Shell
{
    Q_OBJECT

public:
    // The program version the database must expect.
    static inline const QString kVersao = QStringLiteral("58");
    static inline const QString kNormasTecnicas
        = QStringLiteral("https://www.bombeiros.qz.gov.br/normastecnicas-revisao/normas-tecnicas.html");

    explicit TfrmPrincipal(const QString &programFolder, QWidget *parent = nullptr);
    ~TfrmPrincipal() override;

    // True once the program must end (failed start-up, no login, wrong version).
    bool ended() const { return m_ended; }

    // Shell
    Query &zqSuporte() override { return m_zqSuporte; }
    Query &zqConfiguracao() override { return m_zqConfiguracao; }
    QString caminhoRelatorio() const override;
    ReportRunner &rvRelatorio() override { return m_rvRelatorio; }

    TfrmLogin *frmLogin() const { return m_frmLogin; }
    // Replaces the way web pages are opened (tests).
    void setUrlOpener(std::function<bool(const QUrl &)> opener) { m_openUrl = std::move(opener); }

    // ---- start-up and activation -----------------------------------------
    void FormCreate();
    // Opens the login dialog (start-up and user switch); when it closes
    // without a user the program ends, otherwise the window is activated.
    void abrirLogin();
    void FormActivate();
    void verificarVersao();
    void verificarSolicitacoesInternet();
    void Timer1Timer();

    // ---- entries ---------------------------------------------------------
    void lbNormasTecnicasClick();
    void imgTrocarUsuarioClick();
    void imgFecharClick();
    void ConfigurarUsuarios1Click();
    void imgContribuinteClick();
    void lbContribuinteClick();
    void Atividade1Click();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildWindow();
    QWidget *buildTile(int kind, const QString &hint, const QString &caption, const QString &pictureName,
                       const QString &labelName);
    void terminar();
    void loginFechado();
    void atualizarRodape();
    // Shows a window modally, destroys it, and activates this window again.
    void abrirModal(QDialog *window, const std::function<void()> &afterwards = {});
    void abrirServicosDoContribuinte(int codCliente);

    QString m_programFolder;
    Query m_zqSuporte;
    Query m_zqConfiguracao;
    Query zqServico;
    QLineEdit *editCaminhoRelatorio = nullptr;
    ReportRunner m_rvRelatorio;
    std::unique_ptr<PreviewOutput> rs_prod_saida;
    QLabel *lbUsuarioLogado = nullptr;
    QLabel *lbVersao = nullptr;
    QTimer *Timer1 = nullptr;
    TfrmLogin *m_frmLogin = nullptr;
    QPointer<TfrmConfUsuario> m_frmConfUsuario;
    std::function<bool(const QUrl &)> m_openUrl;
    bool m_ended = false;
    bool m_shown = false;
};
