#include "app/unitPrincipal.h"

#include "app/pictures.h"
#include "app/shell/session.h"
#include "app/unitConfUsuario.h"
#include "app/unitLogin.h"
#include "common/apperror.h"
#include "db/connection.h"
#include "establishments/unitLocalizaAtividade.h"
#include "establishments/unitPesqEmpresa.h"
#include "reports/ui/previewoutput.h"
#include "ui/clicklabel.h"
#include "ui/guard.h"
#include "ui/messageservice.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

namespace {

const QString kCaption = QStringLiteral("Corpo de Bombeiros Militar - Sistema de Gerenciamento");
const QString kTitulo = QStringLiteral(" Sistema de Gerenciamento - CBM-QZ");
const QString kErroNavegador = QStringLiteral("Ocorreu um erro nÃ£o informado!");
const QString kSemConexao = QStringLiteral("Não foi possivel estabelecer conexão com o servidor.!");
const QString kVersaoErrada = QStringLiteral("Atualize a versao do Sistema.");
const QString kSolicitacaoInternet = QStringLiteral("Solicitacao via internet encontrada. Deseja abrir?");

// Full-window background: a dark red gradient with a lighter band behind the tiles.
class Fundo : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        QLinearGradient g(0, 0, 0, height());
        g.setColorAt(0, QColor(120, 12, 12));
        g.setColorAt(0.55, QColor(60, 8, 8));
        g.setColorAt(1, QColor(25, 25, 25));
        p.fillRect(rect(), g);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 14));
        p.drawEllipse(QPointF(width() * 0.5, height() * 1.1), width() * 0.7, height() * 0.7);
    }
};

QLabel *footerText(const QString &text, QWidget *parent, const QString &name = {})
{
    auto *l = new QLabel(text, parent);
    if (!name.isEmpty())
        l->setObjectName(name);
    l->setStyleSheet(QStringLiteral("color: white; font-weight: bold;"));
    return l;
}

} // namespace

TfrmPrincipal::TfrmPrincipal(const QString &programFolder, QWidget *parent)
    : QMainWindow(parent), m_programFolder(programFolder)
{
    setObjectName(QStringLiteral("frmPrincipal"));
    setWindowTitle(kCaption);
    Shell::install(this);
    m_zqConfiguracao.setSql(QStringLiteral("select * from configuracao"));
    m_openUrl = [](const QUrl &url) { return QDesktopServices::openUrl(url); };

    buildWindow();

    // Every report opens in the preview (or goes to the PDF folder when one is set).
    rs_prod_saida = std::make_unique<PreviewOutput>(this);
    m_rvRelatorio.setOutput(rs_prod_saida.get());

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(20000);
    connect(Timer1, &QTimer::timeout, this, [this] { guarded([this] { Timer1Timer(); }); });

    connect(&Session::instance(), &Session::changed, this, &TfrmPrincipal::atualizarRodape);

    FormCreate();
    if (m_ended)
        return;
    Timer1->start();

    // Windows created hidden at start-up.
    m_frmLogin = new TfrmLogin(this);
    connect(m_frmLogin, &QDialog::finished, this, [this] { loginFechado(); });
    m_frmConfUsuario = new TfrmConfUsuario(this);
}

TfrmPrincipal::~TfrmPrincipal()
{
    if (Shell::installed() && &Shell::instance() == this)
        Shell::install(nullptr);
}

QString TfrmPrincipal::caminhoRelatorio() const
{
    return editCaminhoRelatorio->text();
}

void TfrmPrincipal::buildWindow()
{
    auto *fundo = new Fundo(this);
    setCentralWidget(fundo);
    auto *root = new QVBoxLayout(fundo);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);

    editCaminhoRelatorio = new QLineEdit(fundo);
    editCaminhoRelatorio->setObjectName(QStringLiteral("editCaminhoRelatorio"));
    editCaminhoRelatorio->setVisible(false);

    // Header: coat of arms, title, user switch and close pictures at the right edge.
    auto *header = new QWidget(fundo);
    header->setObjectName(QStringLiteral("pnlCabecalho"));
    header->setAutoFillBackground(true);
    header->setStyleSheet(QStringLiteral("#pnlCabecalho { background: rgba(0,0,0,90); }"));
    auto *hl = new QHBoxLayout(header);
    hl->setContentsMargins(10, 6, 6, 6);
    auto *brasao = new QLabel(header);
    brasao->setPixmap(Pictures::brasao(48));
    auto *titulo = new QLabel(kTitulo, header);
    titulo->setObjectName(QStringLiteral("lbTitulo"));
    titulo->setStyleSheet(QStringLiteral("color: white; font-size: 22px; font-weight: bold;"));
    auto *trocar = new ClickLabel(header);
    trocar->setObjectName(QStringLiteral("imgTrocarUsuario"));
    trocar->setPixmap(Pictures::trocarUsuario(40));
    trocar->setToolTip(QStringLiteral("Trocar de Usuário"));
    trocar->setCursor(Qt::PointingHandCursor);
    auto *fechar = new ClickLabel(header);
    fechar->setObjectName(QStringLiteral("imgFechar"));
    fechar->setPixmap(Pictures::fechar(40));
    fechar->setToolTip(QStringLiteral("Fechar"));
    fechar->setCursor(Qt::PointingHandCursor);
    hl->addWidget(brasao);
    hl->addWidget(titulo);
    hl->addStretch();
    hl->addWidget(trocar);
    hl->addSpacing(2);
    hl->addWidget(fechar);
    root->addWidget(header);
    onSignal(trocar, &ClickLabel::clicked, this, &TfrmPrincipal::imgTrocarUsuarioClick);
    onSignal(fechar, &ClickLabel::clicked, this, &TfrmPrincipal::imgFecharClick);

    // Tiles.
    auto *tiles = new QHBoxLayout;
    tiles->setSpacing(60);
    tiles->addStretch();
    tiles->addWidget(buildTile(int(Pictures::Tile::Mapa), QStringLiteral("Mapa"),
                               QStringLiteral("Contribuinte"), QStringLiteral("imgContribuinte"),
                               QStringLiteral("lbContribuinte")));
    tiles->addWidget(buildTile(int(Pictures::Tile::Viatura), QStringLiteral("Manutencao VTR"),
                               QStringLiteral("Arq. Prefeitura"), QStringLiteral("Image9"),
                               QStringLiteral("Label2")));
    tiles->addWidget(buildTile(int(Pictures::Tile::Servicos), QString(), QStringLiteral("Serviços/Inspeções"),
                               QStringLiteral("imgServicos"), QStringLiteral("lbServicos")));
    tiles->addStretch();
    for (const char *name : {"imgContribuinte", "lbContribuinte"}) {
        auto *entrada = findChild<ClickLabel *>(QLatin1String(name));
        entrada->setEnabled(true);
        entrada->setCursor(Qt::PointingHandCursor);
    }
    onSignal(findChild<ClickLabel *>(QStringLiteral("imgContribuinte")), &ClickLabel::clicked, this,
             &TfrmPrincipal::imgContribuinteClick);
    onSignal(findChild<ClickLabel *>(QStringLiteral("lbContribuinte")), &ClickLabel::clicked, this,
             &TfrmPrincipal::lbContribuinteClick);
    root->addStretch(2);
    root->addLayout(tiles);
    root->addSpacing(30);

    auto *acoes = new QHBoxLayout;
    acoes->addStretch();
    auto *calc = new QPushButton(QStringLiteral("Calc Taxa Projeto"), fundo);
    calc->setObjectName(QStringLiteral("btnCalcTaxa"));
    calc->setMinimumSize(180, 34);
    calc->setEnabled(false); // opens the fee calculator
    acoes->addWidget(calc);
    acoes->addSpacing(40);
    auto *normas = new ClickLabel(QStringLiteral("NORMAS TECNICAS CBM-QZ"), fundo);
    normas->setObjectName(QStringLiteral("lbNormasTecnicas"));
    normas->setCursor(Qt::PointingHandCursor);
    normas->setStyleSheet(
        QStringLiteral("color: #ffd54f; font-size: 15px; font-weight: bold; text-decoration: underline;"));
    acoes->addWidget(normas);
    acoes->addStretch();
    root->addLayout(acoes);
    root->addStretch(3);
    onSignal(normas, &ClickLabel::clicked, this, &TfrmPrincipal::lbNormasTecnicasClick);

    // Footer strip.
    auto *footer = new QWidget(fundo);
    footer->setObjectName(QStringLiteral("pnlRodape"));
    footer->setStyleSheet(QStringLiteral("#pnlRodape { background: rgba(0,0,0,120); }"));
    auto *fl = new QHBoxLayout(footer);
    fl->setContentsMargins(12, 6, 12, 6);
    fl->addWidget(footerText(QStringLiteral("Usuário:"), footer));
    lbUsuarioLogado = footerText(QString(), footer, QStringLiteral("lbUsuarioLogado"));
    fl->addWidget(lbUsuarioLogado);
    fl->addStretch();
    fl->addWidget(footerText(QStringLiteral("Versão Atual:"), footer));
    lbVersao = footerText(kVersao, footer, QStringLiteral("lbVersao"));
    fl->addWidget(lbVersao);
    root->addWidget(footer);

    // Menus: every entry preceded by a separator line.
    auto entry = [this](QMenu *menu, const QString &text, const QString &name) {
        menu->addSeparator();
        QAction *a = menu->addAction(text);
        a->setObjectName(name);
        a->setEnabled(false);
        return a;
    };
    QMenu *cadastros = menuBar()->addMenu(QStringLiteral("&Cadastros"));
    cadastros->setObjectName(QStringLiteral("Cadastros1"));
    entry(cadastros, QStringLiteral("Carta de Anuencia"), QStringLiteral("Paciente1"));
    entry(cadastros, QStringLiteral("Usuários"), QStringLiteral("Usuarios1"));
    QAction *atividade = entry(cadastros, QStringLiteral("Atividade"), QStringLiteral("Atividade1"));
    atividade->setEnabled(true);
    onSignal(atividade, &QAction::triggered, this, &TfrmPrincipal::Atividade1Click);
    QMenu *relatorios = menuBar()->addMenu(QStringLiteral("Relatórios"));
    relatorios->setObjectName(QStringLiteral("Relatorios1"));
    entry(relatorios, QStringLiteral("Boletos"), QStringLiteral("Boletos1"));
    entry(relatorios, QStringLiteral("Exigencias"), QStringLiteral("Exigencias1"));
    QMenu *opcoes = menuBar()->addMenu(QStringLiteral("Opcoes"));
    opcoes->setObjectName(QStringLiteral("Opcoes1"));
    entry(opcoes, QStringLiteral("Logof"), QStringLiteral("Logof1"));
    entry(opcoes, QStringLiteral("Exportar Bairros Repetidos"), QStringLiteral("ExportarBairros1"));
    entry(opcoes, QStringLiteral("Exportar Ruas Repetidas"), QStringLiteral("ExportarRuas1"));
    entry(opcoes, QStringLiteral("Exportar CNPJs"), QStringLiteral("ExportarCnpjs1"));
    entry(opcoes, QStringLiteral("Exportar Prefeitura"), QStringLiteral("ExportarPrefeitura1"));
    QAction *conf
        = entry(opcoes, QStringLiteral("Configuar Usuarios"), QStringLiteral("ConfigurarUsuarios1"));
    conf->setEnabled(true);
    onSignal(conf, &QAction::triggered, this, &TfrmPrincipal::ConfigurarUsuarios1Click);
}

QWidget *TfrmPrincipal::buildTile(int kind, const QString &hint, const QString &caption,
                                  const QString &pictureName, const QString &labelName)
{
    auto *box = new QWidget(centralWidget());
    auto *v = new QVBoxLayout(box);
    v->setSpacing(8);
    auto *picture = new ClickLabel(box);
    picture->setObjectName(pictureName);
    picture->setPixmap(Pictures::tile(Pictures::Tile(kind), 150));
    picture->setToolTip(hint);
    picture->setAlignment(Qt::AlignCenter);
    auto *label = new ClickLabel(caption, box);
    label->setObjectName(labelName);
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(QStringLiteral("QLabel { color: white; font-size: 16px; font-weight: bold; }"
                                        "QLabel:disabled { color: #bdbdbd; }"));
    v->addWidget(picture);
    v->addWidget(label);
    // Each subsystem's window enables its own entries when it is wired.
    picture->setEnabled(false);
    label->setEnabled(false);
    return box;
}

// ---- start-up ----------------------------------------------------------------

void TfrmPrincipal::FormCreate()
{
    Connection &conn = Connection::shared();
    ConnectionSettings settings = conn.settings();
    const IniFile ini = IniFile::load(QDir(m_programFolder).filePath(ConnectionFile::kFileName));
    try {
        ConnectionFile::apply(ini, settings);
    } catch (const ConversionError &e) {
        // Database, user and host keep what was read; the port keeps its value;
        // the report folder and the connection wait for the first use.
        conn.setSettings(settings);
        Msg::error(e.text());
        return;
    }
    conn.setSettings(settings);
    editCaminhoRelatorio->setText(reportFolderFor(m_programFolder));
    try {
        conn.open();
    } catch (const DbError &) {
        Msg::show(kSemConexao);
        terminar();
    }
}

void TfrmPrincipal::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_shown || m_ended)
        return;
    m_shown = true;
    QTimer::singleShot(0, this, [this] { abrirLogin(); });
}

void TfrmPrincipal::abrirLogin()
{
    if (m_ended || !m_frmLogin)
        return;
    m_frmLogin->open();
}

void TfrmPrincipal::loginFechado()
{
    if (!Session::instance().loggedIn()) {
        terminar();
        return;
    }
    if (QScreen *s = screen())
        setGeometry(s->availableGeometry());
    FormActivate();
}

void TfrmPrincipal::FormActivate()
{
    if (m_ended)
        return;
    guarded([this] {
        if (isVisible())
            showMaximized();
        Connection::shared().ensureOpen();
        editCaminhoRelatorio->setText(reportFolderFor(m_programFolder));
        verificarVersao();
        if (m_ended)
            return;
        verificarSolicitacoesInternet();
    });
}

void TfrmPrincipal::verificarVersao()
{
    if (!m_zqConfiguracao.isActive())
        m_zqConfiguracao.open();
    if (m_zqConfiguracao.text(QStringLiteral("versao")) != kVersao) {
        Msg::show(kVersaoErrada);
        terminar();
    }
}

void TfrmPrincipal::verificarSolicitacoesInternet()
{
    zqServico.setSql(QStringLiteral("select * from servico where SITUACAO_CODIGO = 18"));
    zqServico.open();
    if (!zqServico.isEmpty() && Msg::ask(kSolicitacaoInternet))
        abrirServicosDoContribuinte(zqServico.intValue(QStringLiteral("CLIENTE_CODIGO")));
    zqServico.close();
}

void TfrmPrincipal::abrirServicosDoContribuinte(int codCliente)
{
    // The service search opens here on "select * from servico_vw where
    // codCliente = :nome" once that window is part of the program.
    Q_UNUSED(codCliente);
}

void TfrmPrincipal::Timer1Timer()
{
    Connection::shared().keepAlive();
}

void TfrmPrincipal::terminar()
{
    m_ended = true;
    if (Timer1)
        Timer1->stop();
    close();
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
}

void TfrmPrincipal::closeEvent(QCloseEvent *event)
{
    QMainWindow::closeEvent(event);
    m_ended = true;
    if (Timer1)
        Timer1->stop();
}

void TfrmPrincipal::atualizarRodape()
{
    lbUsuarioLogado->setText(Session::instance().loggedIn() ? Session::instance().nome() : QString());
}

void TfrmPrincipal::abrirModal(QDialog *window, const std::function<void()> &afterwards)
{
    window->setModal(true);
    window->exec();
    delete window;
    if (afterwards)
        afterwards();
    FormActivate();
}

// ---- entries -------------------------------------------------------------------

void TfrmPrincipal::lbNormasTecnicasClick()
{
    // The desktop's browser reuses its own window for a page opened again.
    if (!m_openUrl(QUrl(kNormasTecnicas)))
        Msg::show(kErroNavegador);
}

void TfrmPrincipal::imgTrocarUsuarioClick()
{
    abrirLogin();
}

void TfrmPrincipal::imgFecharClick()
{
    close();
}

void TfrmPrincipal::ConfigurarUsuarios1Click()
{
    Session::instance().require(Session::Permission::ConfUsuario);
    // The first instance was created at start-up; later ones are created anew.
    TfrmConfUsuario *window = m_frmConfUsuario ? m_frmConfUsuario.data() : new TfrmConfUsuario(this);
    m_frmConfUsuario = nullptr;
    abrirModal(window, [] { Session::instance().reload(); });
}

// The establishment search; the activation afterwards asks about internet
// requests again.
void TfrmPrincipal::imgContribuinteClick()
{
    abrirModal(new TfrmPesqEmpresa(this));
}

void TfrmPrincipal::lbContribuinteClick()
{
    abrirModal(new TfrmPesqEmpresa(this));
}

// The activity lookup without a caller tag: choosing writes nothing anywhere.
void TfrmPrincipal::Atividade1Click()
{
    abrirModal(new TfrmLocalizaAtividade(this));
}
